// The browser program's number text, natively: what the settings fields
// hold under Czech and English, and the texts that are not numbers.
#include "surface/Failure.h"
#include "web/NumberText.h"

#include <gtest/gtest.h>

namespace tavrolin::web {
namespace {

TEST(WebNumberText, RealsTravelAsTextInTheLanguageAndComeBackExactly)
{
    for (const char* separator : {",", "."}) {
        for (double value : {0.5, 1.5, -2.25, 1e-7, 123456789.125}) {
            const std::string text = textFromReal(value, separator);
            EXPECT_EQ(numberFromText(text, separator), value) << text;
        }
    }
    EXPECT_EQ(textFromReal(0.5, ","), "0,5");
    EXPECT_EQ(textFromReal(0.5, "."), "0.5");
    EXPECT_EQ(textFromReal(0.1 + 0.2, ","), "0,3");
    EXPECT_EQ(numberFromText("  -1,5 ", ","), -1.5);
    EXPECT_EQ(numberFromText("+3", ","), 3);
}

TEST(WebNumberText, TextThatIsNotANumberInTheLanguageIsAFailure)
{
    for (const char* text : {"", "  ", "abc", "0.5", "1,5x", "1,,5", ",", "-", "1e", "inf", "nan", "1e999", "1 000"}) {
        EXPECT_THROW(numberFromText(text, ","), Failure) << '"' << text << '"';
    }
    EXPECT_THROW(numberFromText("0,5", "."), Failure);
}

} // namespace
} // namespace tavrolin::web
