#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrolin::web {

// Number text as the settings fields hold it, with the decimal separator of
// the browser's language (the page asks Intl for it): the same rules as the
// desktop programs, "0,5" under Czech and "0.5" under English.
std::string textFromInteger(std::int16_t value);
std::string textFromReal(double value, std::string_view separator);
// Blanks around the number and a sign are allowed; the separator must be
// the language's own, and the whole text a number, or it is a failure.
double numberFromText(std::string_view text, std::string_view separator);

} // namespace tavrolin::web
