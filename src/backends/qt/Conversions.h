#pragma once

#include <QLocale>

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrolin::qt {

// Number text as the settings fields hold it, in the given locale (the
// user's, by default: QLocale() follows LC_ALL, LC_NUMERIC and LANG).
std::string textFromInteger(std::int16_t value);
std::string textFromReal(double value, const QLocale& locale = QLocale());
double numberFromText(std::string_view text, const QLocale& locale = QLocale());

} // namespace tavrolin::qt
