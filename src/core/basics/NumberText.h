#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrolin {

// Number text as the settings fields hold it, with the decimal separator of
// the user's language, which the backend reads from its toolkit: "0,5"
// under Czech and "0.5" under English, the same texts in every program.
std::string textFromInteger(std::int16_t value);
std::string textFromReal(double value, std::string_view separator);
// Blanks around the number and a sign are allowed; the separator must be
// the language's own, and the whole text a number, or it is a failure.
double numberFromText(std::string_view text, std::string_view separator);

} // namespace tavrolin
