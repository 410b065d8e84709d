#include "Conversions.h"

#include "Text.h"
#include "surface/Failure.h"

#include <windows.h>
#include <oleauto.h>

#include <cmath>
#include <cwctype>

namespace tavrolin::win32 {

namespace {

[[noreturn]] void notANumber(std::string_view text)
{
    throw Failure(error::typeMismatch, "Neshoda typů: text „" + std::string(text) + "“ není číslo.");
}

} // namespace

unsigned long userLocale() { return GetUserDefaultLCID(); }

std::string textFromInteger(std::int16_t value) { return std::to_string(value); }

std::string textFromReal(double value, unsigned long lcid)
{
    // VarBstrFromR8 writes the shortest form of up to 15 significant
    // digits with the locale's decimal separator and no grouping.
    BSTR text = nullptr;
    if (FAILED(VarBstrFromR8(value, lcid, 0, &text)))
        throw Failure(error::overflow, "Číslo nelze převést na text.");
    std::string out = narrow(std::wstring_view(text, SysStringLen(text)));
    SysFreeString(text);
    return out;
}

double numberFromText(std::string_view text, unsigned long lcid)
{
    std::wstring wide = widen(text);
    // Blanks around the number are allowed; anything else that is not part
    // of a number in the locale is not.
    const auto first = wide.find_first_not_of(L' ');
    if (first == std::wstring::npos) notANumber(text);
    wide = wide.substr(first, wide.find_last_not_of(L' ') - first + 1);
    for (wchar_t c : wide)
        if (std::iswalpha(c) && c != L'e' && c != L'E') notANumber(text);

    double value = 0;
    if (FAILED(VarR8FromStr(wide.data(), lcid, 0, &value)) || !std::isfinite(value)) notANumber(text);
    return value;
}

} // namespace tavrolin::win32
