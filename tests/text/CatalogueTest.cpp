#include "text/Catalogue.h"
#include "text/CatalogueTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace tavrolin;

namespace {

std::multiset<std::string> placeholders(std::string_view text)
{
    std::multiset<std::string> found;
    for (std::size_t open = text.find('{'); open != std::string_view::npos; open = text.find('{', open + 1)) {
        const std::size_t close = text.find('}', open);
        if (close == std::string_view::npos) break;
        found.emplace(text.substr(open, close - open + 1));
    }
    return found;
}

} // namespace

// Every language translates every message the program shows, with the same
// placeholders: a missing one would be shown in Czech, a lost one would drop
// the error's number or the control's name.
TEST(Catalogue, EveryLanguageTranslatesEveryMessageWithItsPlaceholders)
{
    const auto tags = catalogueTags();
    ASSERT_EQ(tags.size(), languageCount);
    for (std::size_t l = 0; l < languageCount; ++l)
        EXPECT_EQ(tags[l], languageTag(Language(l))) << "the catalogue's languages are in another order";
    ASSERT_GT(catalogueEntries().size(), 50u);
    for (const CatalogueEntry& entry : catalogueEntries()) {
        for (std::size_t l = 1; l < languageCount; ++l) {
            EXPECT_FALSE(entry.texts[l].empty()) << tags[l] << " lacks \"" << entry.texts[0] << "\"";
            EXPECT_EQ(placeholders(entry.texts[l]), placeholders(entry.texts[0]))
                << tags[l] << ": \"" << entry.texts[l] << "\"";
        }
    }
}

TEST(Catalogue, TextsFollowTheLanguageAndFillTheirPlaceholders)
{
    setLanguage(Language::German);
    EXPECT_EQ(tr("Ano"), "Ja");
    EXPECT_EQ(tr("a text of no catalogue"), "a text of no catalogue");
    EXPECT_EQ(formatted(tr("Chyba č. {number}\n\n{description}"), {{"number", "6"}, {"description", "Überlauf"}}),
              "Fehler Nr. 6\n\nÜberlauf");
    setLanguage(Language::Czech);
    EXPECT_EQ(tr("Ano"), "Ano");
    EXPECT_EQ(formatted("{a} {b} {a} {c", {{"a", "1"}, {"b", "{a}"}}), "1 {a} 1 {c");
}
