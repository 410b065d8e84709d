#include "surface/Failure.h"
#include "win32/Conversions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace tavrolin::win32 {
namespace {

constexpr unsigned long czech = 0x0405;
constexpr unsigned long english = 0x0409;

TEST(Win32Conversions, RealsRoundTripInTheirLocale)
{
    for (double v : {0.5, 1.5, -0.25, 1234567.25}) {
        EXPECT_EQ(numberFromText(textFromReal(v, czech), czech), v);
        EXPECT_EQ(numberFromText(textFromReal(v, english), english), v);
    }
    EXPECT_EQ(textFromReal(0.5, czech), "0,5");
    EXPECT_EQ(textFromReal(1.5, english), "1.5");
    EXPECT_EQ(textFromReal(1234567.25, czech), "1234567,25");
    EXPECT_EQ(textFromInteger(30), "30");
    EXPECT_EQ(textFromInteger(-7), "-7");
}

TEST(Win32Conversions, BlanksAndSignsAreAcceptedAndNonNumbersFail)
{
    EXPECT_EQ(numberFromText("  1,5 ", czech), 1.5);
    EXPECT_EQ(numberFromText("-0,5", czech), -0.5);
    EXPECT_EQ(numberFromText("+2", english), 2.0);
    for (const char* bad : {"", "   ", "zelená", "1,5x", "abc", "&H10"}) {
        try {
            numberFromText(bad, czech);
            ADD_FAILURE() << "no failure for '" << bad << "'";
        } catch (const Failure& f) {
            EXPECT_EQ(f.number(), error::typeMismatch) << bad;
        }
    }
}

TEST(Win32Conversions, UserLocaleFollowsTheSession)
{
    const char* lang = std::getenv("TAVROLIN_LANG");
    if (!lang) GTEST_SKIP() << "run by ctest with TAVROLIN_LANG";
    const std::string expected = std::string(lang) == "cs_CZ" ? "0,5" : "0.5";
    EXPECT_EQ(textFromReal(0.5, userLocale()), expected);
}

} // namespace
} // namespace tavrolin::win32
