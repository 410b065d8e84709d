#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrolin::win32 {

// Number text as the settings fields hold it, in the user's Windows locale
// (or the given LCID), through the system's own variant conversions.
std::string textFromInteger(std::int16_t value);
std::string textFromReal(double value, unsigned long lcid);
double numberFromText(std::string_view text, unsigned long lcid);

unsigned long userLocale();

} // namespace tavrolin::win32
