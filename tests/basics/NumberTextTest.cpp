// Number text as the settings fields hold it under Czech and English, and
// the texts that are not numbers, whichever toolkit's locale gave the
// separator.
#include "basics/NumberText.h"
#include "basics/Failure.h"

#include <gtest/gtest.h>

namespace tavrolin {
namespace {

TEST(NumberText, RealsTravelAsTextInTheLanguageAndComeBackExactly)
{
    for (const char* separator : {",", "."}) {
        for (double value : {0.5, 1.5, -2.25, 1e-7, 123456789.125, 1234567.25}) {
            const std::string text = textFromReal(value, separator);
            EXPECT_EQ(numberFromText(text, separator), value) << text;
        }
    }
    EXPECT_EQ(textFromReal(0.5, ","), "0,5");
    EXPECT_EQ(textFromReal(0.5, "."), "0.5");
    EXPECT_EQ(textFromReal(0.1 + 0.2, ","), "0,3");
    EXPECT_EQ(textFromReal(1234567.25, ","), "1234567,25");
    EXPECT_EQ(textFromInteger(-12345), "-12345");
    EXPECT_EQ(numberFromText("  -1,5 ", ","), -1.5);
    EXPECT_EQ(numberFromText("+3", ","), 3);
    EXPECT_EQ(numberFromText(" 30", "."), 30);
}

TEST(NumberText, TextThatIsNotANumberInTheLanguageIsATypeMismatch)
{
    // "1,5" under English would be fifteen to a reader that takes group
    // separators; "&H10" is a hexadecimal literal to some.
    const auto fails = [](const char* text, const char* separator) {
        try {
            numberFromText(text, separator);
            ADD_FAILURE() << "no failure for '" << text << "'";
        } catch (const Failure& f) {
            EXPECT_EQ(f.number(), error::typeMismatch) << text;
        }
    };
    for (const char* text :
         {"", "  ", "zelená", "0.5", "1,5x", "1,,5", ",", "-", "1e", "inf", "nan", "1e999", "1 000", "&H10",
          "1\xc2\xa0"
          "000"})
        fails(text, ",");
    fails("0,5", ".");
    fails("1,5", ".");
}

} // namespace
} // namespace tavrolin
