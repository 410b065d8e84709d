#include "animation/Numbers.h"

#include "surface/Failure.h"

#include <cmath>
#include <limits>

namespace tavrolin::animation {

double checked(double value)
{
    if (std::isnan(value)) throw Failure(error::overflow, "Neplatná operace: výsledek výpočtu není číslo.");
    if (std::isinf(value)) throw Failure(error::overflow, "Přetečení: výsledek výpočtu je příliš velký.");
    return value;
}

float single(double value)
{
    // Converting a double beyond the float range is undefined behaviour.
    if (std::abs(checked(value)) > static_cast<double>(std::numeric_limits<float>::max()))
        throw Failure(error::overflow, "Přetečení: souřadnice je příliš velká.");
    return static_cast<float>(value);
}

} // namespace tavrolin::animation
