#include "surface/Failure.h"
#include "window/Layout.h"
#include "window/PaintedControls.h"

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

} // namespace
} // namespace tavrolin::test
