#include "text/Language.h"

#include <algorithm>

namespace tavrolin {

namespace {

constexpr std::array<std::string_view, languageCount> tags{"cs", "en", "sk", "de", "pl", "uk"};

bool set(const char* value) { return value != nullptr && *value != '\0'; }

} // namespace

std::string_view languageTag(Language language) { return tags[static_cast<std::size_t>(language)]; }

std::optional<Language> languageOf(std::string_view tagOrLocale)
{
    const std::string_view primary = tagOrLocale.substr(0, tagOrLocale.find_first_of("-_.@"));
    if (primary.size() != 2) return std::nullopt;
    std::string lower(primary);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    for (std::size_t i = 0; i < tags.size(); ++i)
        if (tags[i] == lower) return static_cast<Language>(i);
    return std::nullopt;
}

Language chooseLanguage(std::optional<std::string_view> named, std::span<const std::string> preferred)
{
    if (named && !named->empty()) return languageOf(*named).value_or(Language::Czech);
    for (const std::string& tag : preferred)
        if (const auto language = languageOf(tag)) return *language;
    return Language::Czech;
}

std::vector<std::string> posixPreferredLanguages(const char* language, const char* lcAll, const char* lcMessages,
                                                 const char* lang)
{
    const char* locale = set(lcAll) ? lcAll : set(lcMessages) ? lcMessages : set(lang) ? lang : nullptr;
    if (locale == nullptr) return {};
    const std::string_view name(locale);
    if (name == "C" || name.starts_with("C.") || name == "POSIX") return {};
    std::vector<std::string> preferred;
    if (set(language)) {
        std::string_view list(language);
        while (!list.empty()) {
            const auto colon = list.find(':');
            if (colon != 0) preferred.emplace_back(list.substr(0, colon));
            list = colon == std::string_view::npos ? std::string_view{} : list.substr(colon + 1);
        }
    }
    preferred.emplace_back(name);
    return preferred;
}

} // namespace tavrolin
