#include "layout/SceneFit.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace tavrolin {
namespace {

TEST(SceneFit, TheSmallerOfTheTwoRatiosCentredInTheArea)
{
    // A 1920 x 1080 projector: the height decides, the width is centred.
    const Fit projector = fitInto(wholeScene, 1920, 1080);
    EXPECT_DOUBLE_EQ(projector.scale, 1080.0 / 545);
    EXPECT_DOUBLE_EQ(projector.left, (1920 - 800 * (1080.0 / 545)) / 2);
    EXPECT_DOUBLE_EQ(projector.top, 0);
    // A phone's width decides for the drawing part below its panel.
    const Fit phone = fitInto(drawingPart, 390, 400);
    EXPECT_DOUBLE_EQ(phone.scale, 390.0 / 800);
    EXPECT_DOUBLE_EQ(phone.top, (400 - 515 * (390.0 / 800)) / 2);
}

// 1920 x 1080: s = 1.98, the largest whole DPI 190 (not 191, at which the
// scene's 545 rows would take 1084); 800 columns take 1583 pixels.
TEST(SceneFit, TheWindowsProgramPresentsAtTheLargestWholeDpiThatFitsCentred)
{
    const DpiFit projector = desktopDpiFit(true, 120, 1920, 1080);
    EXPECT_EQ((std::array{projector.dpi, projector.left, projector.top}), (std::array{190, 168, 0}));
    const DpiFit normal = desktopDpiFit(false, 120, 1920, 1080);
    EXPECT_EQ((std::array{normal.dpi, normal.left, normal.top}), (std::array{120, 0, 0}));
}

TEST(SceneFit, AnAreaWithNoRoomStillGivesADrawableScale)
{
    // A window minimised, or a panel taller than the screen: never a scale
    // of zero or NaN for the drawing to be sized by.
    for (double side : {0.0, -20.0, std::numeric_limits<double>::quiet_NaN()}) {
        const Fit fit = fitInto(wholeScene, side, 600);
        EXPECT_GT(fit.scale, 0) << side;
        EXPECT_TRUE(fit.left == fit.left) << side;
    }
}

TEST(SceneFit, TouchModeForAFingerOrWhereTheLayoutWouldShrink)
{
    EXPECT_EQ(presentationFor(1024, 768, false).mode, FitMode::Wide);  // an old projector, s = 1.28
    EXPECT_EQ(presentationFor(800, 545, false).mode, FitMode::Wide);   // exactly 1:1
    EXPECT_EQ(presentationFor(799, 900, false).mode, FitMode::Touch);  // a narrow window
    EXPECT_EQ(presentationFor(1920, 1080, true).mode, FitMode::Touch); // an interactive board's finger
    EXPECT_EQ(presentationFor(390, 844, true).panel, PanelSide::Above);
    EXPECT_EQ(presentationFor(844, 390, true).panel, PanelSide::Beside);
}

} // namespace
} // namespace tavrolin
