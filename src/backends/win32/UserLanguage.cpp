#include "UserLanguage.h"

#include "Text.h"

#include <windows.h>

namespace tavrolin::win32 {

std::optional<std::string> namedLanguage()
{
    wchar_t value[64];
    const DWORD length = GetEnvironmentVariableW(L"TAVROLIN_LANG", value, 64);
    if (length == 0 || length >= 64) return std::nullopt;
    return narrow(std::wstring_view(value, length));
}

std::vector<std::string> preferredLanguages()
{
    ULONG count = 0, size = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) || size == 0) return {};
    std::wstring names(size, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size)) return {};
    // Names one after another, each ended by a null, the list by another.
    std::vector<std::string> tags;
    for (std::size_t at = 0; at < names.size() && names[at] != L'\0';) {
        const std::size_t end = names.find(L'\0', at);
        tags.push_back(narrow(std::wstring_view(names).substr(at, end - at)));
        at = end + 1;
    }
    return tags;
}

} // namespace tavrolin::win32
