#include "basics/NumberText.h"

#include "basics/Failure.h"
#include "text/Catalogue.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tavrolin {

namespace {

[[noreturn]] void notANumber(std::string_view text)
{
    throw Failure(error::typeMismatch, formatted(tr("Neshoda typů: text „{text}“ není číslo."), {{"text", text}}));
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

} // namespace

std::string textFromInteger(std::int16_t value) { return std::to_string(value); }

std::string textFromReal(double value, std::string_view separator)
{
    if (!std::isfinite(value)) throw Failure(error::overflow, std::string(tr("Číslo nelze převést na text.")));
    // %.15g is the shortest form of up to 15 significant digits.
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text(buffer);
    if (const auto point = text.find('.'); point != std::string::npos) text.replace(point, 1, separator);
    return text;
}

double numberFromText(std::string_view text, std::string_view separator)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const std::string_view number = text.substr(begin, end - begin);

    // Sign, digits, the separator and digits, an exponent; written again in
    // the C locale's form for strtod.
    std::string plain;
    std::size_t i = 0;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) plain += number[i++];
    int digits = 0;
    while (i < number.size() && isDigit(number[i]))
        plain += number[i++], ++digits;
    if (!separator.empty() && number.substr(i, separator.size()) == separator) {
        plain += '.';
        i += separator.size();
        while (i < number.size() && isDigit(number[i]))
            plain += number[i++], ++digits;
    }
    if (digits == 0) notANumber(text);
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) plain += number[i++];
        int exponentDigits = 0;
        while (i < number.size() && isDigit(number[i]))
            plain += number[i++], ++exponentDigits;
        if (exponentDigits == 0) notANumber(text);
    }
    if (i != number.size()) notANumber(text);
    const double value = std::strtod(plain.c_str(), nullptr);
    if (!std::isfinite(value)) notANumber(text);
    return value;
}

} // namespace tavrolin
