// What the core decides for every backend before a primitive is carried
// out: which controls and colours are valid, what a position past the int
// range becomes, and when a step's pause ends.
#include "toolkit/BackendToolkit.h"
#include "basics/Failure.h"
#include "support/FakeBackend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace tavrolin::test {
namespace {

using enum ControlId;
using std::chrono::milliseconds;

std::string failureOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const Failure& f) {
        return std::to_string(f.number()) + " " + f.description();
    }
    return "no failure";
}

TEST(BackendToolkit, ControlsAndColoursAreCheckedWithTheirMessages)
{
    FakeBackend backend;
    BackendToolkit tk(backend);
    EXPECT_EQ(failureOf([&] { tk.getText(op05); }), "5 Ovládací prvek op05 není textové pole.");
    EXPECT_EQ(failureOf([&] { tk.selectOption(nBarva); }), "5 Ovládací prvek nBarva není přepínač.");
    EXPECT_EQ(failureOf([&] { tk.getScrollValue(cmdStart); }), "5 Ovládací prvek cmdStart není posuvník.");
    EXPECT_EQ(failureOf([&] { tk.showControl(Tavrolin); }), "5 Ovládací prvek Tavrolin není ovládací prvek okna.");
    backend.made[indexOf(cmdStart)] = false;
    EXPECT_EQ(failureOf([&] { tk.moveControl(cmdStart, 1, 1); }), "5 Ovládací prvek cmdStart neexistuje.");
    EXPECT_EQ(failureOf([&] { tk.setPenWidth(0); }), "5 Neplatná šířka pera 0.");

    EXPECT_EQ(tk.resolve(std::nullopt), windowForeground);
    EXPECT_EQ(tk.resolve(colGlass), colGlass);
    backend.face = rgb(1, 2, 3);
    EXPECT_EQ(tk.resolve(colButtonFace), rgb(1, 2, 3));
    EXPECT_EQ(failureOf([&] { tk.resolve(systemColour(5)); }), "5 Neznámá systémová barva 5.");
}

TEST(BackendToolkit, PositionsFarOffAnyScreenAreHeldWhereNothingOverflows)
{
    FakeBackend backend;
    BackendToolkit tk(backend);
    tk.moveControl(cmdStart, 1e30f, -1e30f);
    tk.moveControl(cmdStart, std::numeric_limits<float>::quiet_NaN(), 2.5f);
    tk.moveControl(cmdStart, -3.5f, 2147483520.0f);
    ASSERT_EQ(backend.moves.size(), 3u);
    EXPECT_EQ(backend.moves[0].second, (std::array<int, 2>{farthestPixel, -farthestPixel}));
    EXPECT_EQ(backend.moves[1].second, (std::array<int, 2>{0, 3}));
    EXPECT_EQ(backend.moves[2].second, (std::array<int, 2>{-4, farthestPixel}));
    // A painted label far away is simply off the picture.
    EXPECT_NO_THROW(tk.moveControl(labZdroj, -1e38f, 1e38f));
    EXPECT_EQ(tk.painted().rect(labZdroj).left, -farthestPixel);
}

TEST(BackendToolkit, ANewScalePaintsSharpOnlyTheLabelsNotDrawnOver)
{
    // After a run the curve lies over "Klepněte na tlačítko Start": taking
    // the drawing to a new scale must not paint the label over it again.
    FakeBackend backend;
    BackendToolkit tk(backend);
    tk.setPenWidth(2);
    tk.drawLine(420, 300, 440, 301); // a stroke of the curve, over the label's right end
    tk.repaintUncovered();
    const auto paints = [&](ControlId id) {
        return std::any_of(backend.paintSteps.begin(), backend.paintSteps.end(),
                           [id](const PaintStep& s) { return s.control == id; });
    };
    EXPECT_FALSE(paints(labKlepnuti));
    EXPECT_TRUE(paints(labRelDelka));
    // Painted whole again where it moves, it lies on top once more.
    tk.moveControl(labKlepnuti, 96, 264);
    backend.paintSteps.clear();
    tk.repaintUncovered();
    EXPECT_TRUE(paints(labKlepnuti));
}

TEST(BackendToolkit, AStepIsShownThenWaitsForItsDeadlineAndAQuestionRestartsTheChain)
{
    FakeBackend backend;
    BackendToolkit tk(backend);
    int flushesSeen = -1;
    backend.onWait = [&] {
        flushesSeen = backend.flushes;
        backend.clock += milliseconds(3); // the next step's drawing
    };
    const auto start = backend.clock;
    for (int i = 0; i < 3; ++i)
        tk.pause(milliseconds(10));
    EXPECT_EQ(flushesSeen, 3) << "each step is on the screen before its pause";
    EXPECT_EQ(backend.deadlines, (std::vector<Backend::Time>{start + milliseconds(10), start + milliseconds(20),
                                                             start + milliseconds(30)}));

    backend.clock += milliseconds(5000); // the question stays open
    tk.askYesNo("?");
    tk.pause(milliseconds(10));
    EXPECT_EQ(backend.deadlines.back(), backend.clock - milliseconds(3)) << "a whole pause after the question";
    EXPECT_EQ(tk.stepsShown(), 4);
}

} // namespace
} // namespace tavrolin::test
