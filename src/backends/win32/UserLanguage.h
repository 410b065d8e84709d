#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tavrolin::win32 {

// The language named by TAVROLIN_LANG, if it is set.
std::optional<std::string> namedLanguage();
// The user's interface languages in order, as tags ("cs-CZ").
std::vector<std::string> preferredLanguages();

} // namespace tavrolin::win32
