#pragma once

#include "text/Language.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace tavrolin {

// The language every text is given in from now on. The program sets it once,
// before it builds its window; until then it is Czech.
void setLanguage(Language language);
Language currentLanguage();

// A text of the catalogue in the current language. The catalogue is kept as
// gettext .po files (po/), with the Czech text as the message's key, and is
// compiled into the program. A message that a language has not translated is
// given in Czech.
std::string_view tr(std::string_view czech);
// The same, for a message whose Czech text has another meaning elsewhere, or
// that the page uses before the program runs: the context tells them apart.
std::string_view tr(std::string_view context, std::string_view czech);
// The text in a given language.
std::string_view translated(Language language, std::string_view context, std::string_view czech);

// Marks a text of a table as the catalogue's, to be translated where it is
// shown (tr); xgettext finds it by this name.
constexpr std::string_view N_(std::string_view czech) { return czech; }
// The same, with the message's context.
constexpr std::string_view NC_(std::string_view /*context*/, std::string_view czech) { return czech; }

// A message with its placeholders ("{control}") replaced by their values.
std::string formatted(std::string_view message,
                      std::initializer_list<std::pair<std::string_view, std::string_view>> values);

} // namespace tavrolin
