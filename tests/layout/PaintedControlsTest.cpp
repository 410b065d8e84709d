#include "layout/PaintedControls.h"
#include "basics/Failure.h"
#include "layout/LabelText.h"
#include "layout/Layout.h"

#include <gtest/gtest.h>

namespace tavrolin::test {
namespace {

using enum ControlId;

PixelRect placeOf(ControlId id)
{
    const ControlRow& c = layoutOf(id);
    return {c.left, c.top, c.width, c.height};
}

TEST(PaintedControls, AMoveUncoversItsOldPlaceWithTheCaptionsOverlappingIt)
{
    PaintedControls painted;
    const PixelRect lower = placeOf(labOdrazeného); // 600, 64, 185 x 17
    // The closing picture places "Relativní délka vektoru  světla" first,
    // over the top of the other two-line caption's old place.
    painted.move(labRelDelka, 600, 55);
    const auto steps = painted.move(labOdrazeného, 600, 70);
    const PixelRect overlap{600, 64, 177, 8}; // rows 64-71 of the caption at 55
    const std::vector<PaintStep> expected{
        {std::nullopt, lower}, {labRelDelka, overlap}, {labOdrazeného, {600, 70, 185, 17}}};
    EXPECT_EQ(steps, expected);

    // A hidden caption moves without painting, and shows at its new place.
    EXPECT_TRUE(painted.move(labZdroj, 25, 61).empty());
    EXPECT_EQ(painted.show(labZdroj), (std::vector<PaintStep>{{labZdroj, {25, 61, 41, 17}}}));
    EXPECT_THROW(painted.show(cmdStart), Failure);
}

// A painted label's text in its box, in a font whose every character is ten
// pixels wide.
TEST(PaintedControls, ALabelWrapsWhereTwoLinesFitAndNoLineRunsPastItsBox)
{
    const MeasureText measure = [](std::string_view t) { return 10.0 * double(t.size()); };
    const auto serif = FontFamily::TimesNewRoman;
    // Windows' lines of Times New Roman at 32 pixels and Arial at 11: 29 + 7
    // and 10 + 3.
    EXPECT_EQ(lineHeight(serif, 32), 36);
    EXPECT_EQ(lineHeight(FontFamily::MsSansSerif, 11), 13);

    // Two lines fit 72 pixels: the words wrap, each line centred; a word
    // wider than the box keeps a line of its own, drawn narrower, clear of
    // the box's edge by an eighth of the em.
    const std::vector<TextLine> wrapped{{"ab cd", 5, 0, 1}, {"efghijk", 2, 36, 0.8}, {"l", 25, 72, 1}};
    EXPECT_EQ(labelLines("ab cd efghijk l", TextAlign::Centre, serif, 32, 60, 72, measure), wrapped);
    // One line only: the text stays whole, blanks and all, narrower.
    const std::vector<TextLine> squeezed{{"ab  cd", 0, 0, 26.0 / 60}};
    EXPECT_EQ(labelLines("ab  cd", TextAlign::Left, serif, 32, 30, 71, measure), squeezed);
    const std::vector<TextLine> fits{{"ab  cd", 0, 0, 1}};
    EXPECT_EQ(labelLines("ab  cd", TextAlign::Left, serif, 32, 60, 71, measure), fits);
}

} // namespace
} // namespace tavrolin::test
