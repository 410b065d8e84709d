#pragma once

#include "text/Language.h"

#include <array>
#include <span>
#include <string_view>

namespace tavrolin {

// One message of the catalogue: its context (empty for most) and its text in
// every language, Czech first. A language that has not translated it has an
// empty text.
struct CatalogueEntry {
    std::string_view context;
    std::array<std::string_view, languageCount> texts;
};

// Every message, ordered by context, then by Czech text, byte by byte.
// Generated at build time from the .po files.
std::span<const CatalogueEntry> catalogueEntries();
// The tags of the languages of the texts, in their order.
std::span<const std::string_view> catalogueTags();

} // namespace tavrolin
