#include "support/RunFixture.h"

namespace tavrolin::test {
namespace {

using enum ControlId;

class ClosingPicture : public RunFixture {
protected:
    // The calls after the last pause of the sweep.
    std::vector<Call> closing() const
    {
        std::size_t last = 0;
        for (std::size_t i = 0; i < tk.calls.size(); ++i)
            if (tk.calls[i].op == Op::Pause) last = i;
        return {tk.calls.begin() + std::ptrdiff_t(last) + 1, tk.calls.end()};
    }
};

TEST_F(ClosingPicture, GlassFillReachesOneRowBelowTheLastBottomSurface)
{
    start();
    const auto calls = closing();
    ASSERT_EQ(calls.size(), 1u + 301u + 2u + 12u);
    EXPECT_EQ(calls[0].op, Op::SetPenWidth);
    EXPECT_EQ(calls[0].number, 1);
    for (int r = 1; r <= 301; ++r) {
        ASSERT_TRUE(isLine(calls[r], 30, 190.5f + r, 400, 190.5f + r)) << r;
        ASSERT_EQ(calls[r].colour, Colour{0x00FFFFC0});
    }
    // The last rays meet one pixel above the last bottom surface (490.5).
    EXPECT_TRUE(isLine(calls[302], 30, 90.5f, 215, 489.5f));
    EXPECT_TRUE(isLine(calls[303], 215, 489.5f, 400, 90.5f));
    EXPECT_FALSE(calls[302].colour);
    EXPECT_FALSE(calls[303].colour);
}

TEST_F(ClosingPicture, CaptionsAreShownThenMovedToTheirPlaces)
{
    struct Place {
        ControlId control;
        float left, top;
    };
    const auto check = [&](float zdrojTop) {
        const Place places[] = {{imSilaSkla, 50, 400},   {labOdrazovost, 620, 170.5f}, {labZdroj, 25, zdrojTop},
                                {labDetektor, 360, 60.5f}, {labRelDelka, 600, 55},       {labOdrazeného, 600, 70}};
        const auto calls = closing();
        for (std::size_t i = 0; i < 6; ++i) {
            const Call& show = calls[304 + 2 * i];
            const Call& move = calls[305 + 2 * i];
            EXPECT_EQ(show.op, Op::ShowControl);
            EXPECT_EQ(show.control, places[i].control);
            EXPECT_EQ(move.op, Op::MoveControl);
            EXPECT_EQ(move.control, places[i].control);
            EXPECT_EQ(move.v[0], places[i].left) << i;
            EXPECT_EQ(move.v[1], places[i].top) << i;
            EXPECT_TRUE(tk.visible(places[i].control));
        }
    };
    start();
    check(60.5f);

    tk.forget();
    tk.answers = {Answer::No};
    tk.putText(nPosunZdroje, "50");
    start();
    check(110.5f);
}

TEST_F(ClosingPicture, ARunWithoutGraphPointsEndsTheSameWay)
{
    tk.putText(nBarva, "fialová");
    start();
    const auto calls = closing();
    EXPECT_EQ(calls.size(), 1u + 301u + 2u + 12u);
}

} // namespace
} // namespace tavrolin::test
