#include "animation/Numbers.h"

#include "basics/Failure.h"
#include "text/Catalogue.h"

#include <cmath>
#include <limits>

namespace tavrolin::animation {

namespace {

// The checks below run for every number of every step. The failure is built
// out of their way: a function with a Failure on its stack would pay the
// stack protector's check on every call, failing or not.
[[noreturn, gnu::cold, gnu::noinline]] void overflow(std::string_view description)
{
    throw Failure(error::overflow, std::string(tr(description)));
}

} // namespace

double checked(double value)
{
    if (std::isnan(value)) overflow(N_("Neplatná operace: výsledek výpočtu není číslo."));
    if (std::isinf(value)) overflow(N_("Přetečení: výsledek výpočtu je příliš velký."));
    return value;
}

float single(double value)
{
    // Converting a double beyond the float range is undefined behaviour.
    if (std::abs(checked(value)) > static_cast<double>(std::numeric_limits<float>::max()))
        overflow(N_("Přetečení: souřadnice je příliš velká."));
    return static_cast<float>(value);
}

} // namespace tavrolin::animation
