#include "text/Language.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace tavrolin;

namespace {

struct Case {
    const char* what;
    std::optional<std::string> named;
    std::vector<std::string> preferred;
    Language expected;
};

struct PosixCase {
    const char *language, *lcAll, *lcMessages, *lang;
    std::vector<std::string> expected;
};

} // namespace

// The whole rule, as the desktop programs and the page use it.
TEST(Language, ChosenByTheNamedLanguageThenThePreferredOnesThenCzech)
{
    const std::vector<Case> cases{
        {"nothing asked for", std::nullopt, {}, Language::Czech},
        {"the first preferred one we speak", std::nullopt, {"fr-FR", "de-AT", "en-US"}, Language::German},
        {"region and case do not matter", std::nullopt, {"UK-ua"}, Language::Ukrainian},
        {"a POSIX locale name", std::nullopt, {"pl_PL.UTF-8"}, Language::Polish},
        {"a locale with a modifier", std::nullopt, {"sk@euro"}, Language::Slovak},
        {"none we speak", std::nullopt, {"fr", "ja-JP"}, Language::Czech},
        {"no language tag at all", std::nullopt, {"C", "", "-", "e"}, Language::Czech},
        {"a three-letter tag is not its two-letter prefix", std::nullopt, {"deu", "ukr"}, Language::Czech},
        {"the named one comes first", std::string("en"), {"de"}, Language::English},
        {"a named one we do not speak gives Czech", std::string("xx-<b>"), {"de"}, Language::Czech},
        {"an empty named one counts as none", std::string(""), {"de"}, Language::German},
    };
    for (const Case& c : cases)
        EXPECT_EQ(chooseLanguage(c.named, c.preferred), c.expected) << c.what;
}

TEST(Language, PosixPreferencesFollowGettextsOrder)
{
    const std::vector<PosixCase> cases{
        {nullptr, nullptr, nullptr, nullptr, {}},
        {nullptr, nullptr, nullptr, "C", {}},
        {"de:en", nullptr, nullptr, "C.UTF-8", {}}, // LANGUAGE is not read for the C locale
        {nullptr, nullptr, nullptr, "POSIX", {}},
        {nullptr, nullptr, nullptr, "sk_SK.UTF-8", {"sk_SK.UTF-8"}},
        {nullptr, nullptr, "pl_PL", "sk_SK.UTF-8", {"pl_PL"}},
        {nullptr, "uk_UA.UTF-8", "pl_PL", "sk_SK.UTF-8", {"uk_UA.UTF-8"}},
        {"de::en", "", "", "cs_CZ.UTF-8", {"de", "en", "cs_CZ.UTF-8"}},
    };
    for (const PosixCase& c : cases)
        EXPECT_EQ(posixPreferredLanguages(c.language, c.lcAll, c.lcMessages, c.lang), c.expected)
            << (c.language ? c.language : "-") << " " << (c.lang ? c.lang : "-");
}
