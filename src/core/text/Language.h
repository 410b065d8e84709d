#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavrolin {

// The languages the program speaks. Czech is the source language of the
// catalogue and the one it falls back to.
enum class Language { Czech, English, Slovak, German, Polish, Ukrainian };
constexpr std::size_t languageCount = 6;

// The language's tag (BCP 47, as an HTML lang attribute takes it).
std::string_view languageTag(Language language);
// Whether its letters are Cyrillic, not Latin.
constexpr bool writtenInCyrillic(Language language) { return language == Language::Ukrainian; }

// The language a tag or a POSIX locale name stands for, by its primary
// subtag: "en-GB", "de_AT.UTF-8" and "SK" are all understood; "C", "POSIX"
// and the program's unknown languages are not.
std::optional<Language> languageOf(std::string_view tagOrLocale);

// The language to speak: the one the user named (an environment variable, a
// page's address) if not empty, Czech where that names no language of ours;
// otherwise the first of the preferred languages that the program speaks;
// otherwise Czech.
Language chooseLanguage(std::optional<std::string_view> named, std::span<const std::string> preferred);

// The user-interface languages a POSIX system asks for, in order, as gettext
// reads them: the locale of messages is LC_ALL, else LC_MESSAGES, else LANG;
// where it is "C" or "POSIX" (or unset) no language is asked for, otherwise
// the list in LANGUAGE comes first. An unset variable is null or empty.
std::vector<std::string> posixPreferredLanguages(const char* language, const char* lcAll, const char* lcMessages,
                                                 const char* lang);

} // namespace tavrolin
