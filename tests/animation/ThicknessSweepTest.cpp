#include "support/RunFixture.h"

#include <cmath>
#include <numbers>

namespace tavrolin::test {
namespace {

using enum ControlId;

// The calls of one sweep step: everything after the previous step's pause
// up to and including this step's pause.
std::vector<Call> step(const std::vector<Call>& calls, int thickness)
{
    std::vector<Call> out;
    int seen = -1;
    bool inSweep = false;
    for (const Call& c : calls) {
        // The sweep begins after the half-maximum line of the static scene.
        if (!inSweep) {
            inSweep = isLine(c, 520, 190.5f, 520, 540.5f);
            continue;
        }
        if (seen == thickness - 1) out.push_back(c);
        if (c.op == Op::Pause && ++seen == thickness) break;
    }
    return out;
}

// Independent of the program's formula: with equal arrow lengths the
// resultant's squared length is 2 * 50^2 * (1 - cos phase).
double expectedValue(int t) { return 100.0 * (1.0 - std::cos(0.0785205 * t)); }

class ThicknessSweep : public RunFixture {};

TEST_F(ThicknessSweep, AWholeRunMakesTheKnownNumberOfCalls)
{
    start();
    // 701 clearing rows, 7 static lines, 12 lines a step over 301 steps, the
    // plate rows 1 + 2 + ... + 300, then 301 glass rows and 2 rays.
    EXPECT_EQ(tk.count(Op::DrawLine), 701u + 7u + 12u * 301u + 45150u + 301u + 2u);
    EXPECT_EQ(tk.count(Op::DrawCircle), 3u + 301u);
    EXPECT_EQ(tk.count(Op::Pause), 301u);
    EXPECT_EQ(tk.count(Op::ShowControl), 6u);
    EXPECT_EQ(tk.count(Op::MoveControl), 6u);

    tk.forget();
    tk.answers = {Answer::Yes};
    start();
    EXPECT_EQ(tk.count(Op::DrawLine), 1301u + 7u + 48762u + 303u);
}

TEST_F(ThicknessSweep, OneStepInOrder)
{
    start();
    const int t = 20;
    const auto calls = step(tk.calls, t);
    const float y = 190.5f + t;
    const double phase = 0.0785205 * t, prev = 0.0785205 * (t - 1);
    const float tipX = float(520 - 50 * std::cos(phase)), tipY = float(110.5 - 50 * std::sin(phase));
    const float prevX = float(520 - 50 * std::cos(prev)), prevY = float(110.5 - 50 * std::sin(prev));

    ASSERT_EQ(calls.size(), 21u + t);
    EXPECT_TRUE(isLine(calls[0], 470, 110.5f, 520, 110.5f));
    EXPECT_TRUE(isLine(calls[1], 30, y, 400, y));
    EXPECT_EQ(calls[2].number, 1);
    EXPECT_TRUE(isLine(calls[3], 30, 90.5f, 215, 190.5f));
    EXPECT_TRUE(isLine(calls[4], 30, 90.5f, 215, y - 1));
    EXPECT_EQ(calls[4].colour, colSilver);
    EXPECT_TRUE(isLine(calls[5], 215, 190.5f, 400, 90.5f));
    EXPECT_EQ(calls[6].number, 1);
    EXPECT_TRUE(isLine(calls[7], 30, 90.5f, 215, y));
    EXPECT_TRUE(isLine(calls[8], 215, y - 1, 400, 90.5f));
    EXPECT_EQ(calls[8].colour, colSilver);
    EXPECT_TRUE(isLine(calls[9], 215, y, 400, 90.5f));
    EXPECT_FALSE(calls[9].colour);

    EXPECT_EQ(calls[10].number, 2);
    EXPECT_TRUE(isLine(calls[11], 520, 110.5f, prevX, prevY));
    EXPECT_EQ(calls[11].colour, Colour{0x8000000F});
    EXPECT_TRUE(isLine(calls[12], 520, 110.5f, tipX, tipY));
    EXPECT_EQ(calls[12].colour, Colour{0x000000FF});
    EXPECT_TRUE(isLine(calls[13], 470, 110.5f, prevX, prevY));
    EXPECT_EQ(calls[13].colour, Colour{0x00C0C0FF});
    EXPECT_TRUE(isLine(calls[14], 470, 110.5f, tipX, tipY));
    EXPECT_FALSE(calls[14].colour);

    EXPECT_EQ(calls[15].number, 2);
    EXPECT_EQ(calls[16].op, Op::GetText);
    EXPECT_EQ(calls[16].control, nBarva);
    EXPECT_EQ(calls[17].op, Op::DrawCircle);
    EXPECT_NEAR(calls[17].v[0], 420 + 99.961, 1e-3);
    EXPECT_EQ(calls[17].v[1], y);
    EXPECT_EQ(calls[17].v[2], 1);
    EXPECT_EQ(calls[17].colour, Colour{0x0000FF00});
    EXPECT_EQ(calls[18].number, 1);
    for (int r = 1; r <= t; ++r) EXPECT_TRUE(isLine(calls[18 + r], 30, 190.5f + r, 400, 190.5f + r)) << r;
    EXPECT_EQ(calls[19 + t].control, nSpomaleni);
    EXPECT_EQ(calls[20 + t].op, Op::Pause);
}

TEST_F(ThicknessSweep, GraphPointsFollowTheInterferenceFormula)
{
    start();
    const auto points = tk.only(Op::DrawCircle);
    ASSERT_EQ(points.size(), 304u);
    for (int t = 0; t <= 300; ++t) {
        const Call& p = points[3 + t];
        ASSERT_NEAR(p.v[0], 420 + expectedValue(t), 1e-3) << t;
        ASSERT_EQ(p.v[1], 190.5f + t);
    }
    EXPECT_EQ(points[3].v[0], 420);              // on the thickness axis
    EXPECT_NEAR(points[3 + 1].v[0] - 420, 0.3081, 1e-4);
    EXPECT_EQ(points[3 + 40].v[0], 620);         // 619.99997 rounds to the maximum line
    EXPECT_NEAR(points[3 + 80].v[0] - 420, 0.00012, 1e-4);
    EXPECT_NEAR(points[3 + 300].v[0], 520.579, 1e-3);
    EXPECT_EQ(points[3 + 300].v[1], 490.5f);
}

TEST_F(ThicknessSweep, ShorterBackArrowShiftsTheCurve)
{
    tk.putText(nNasob, "0,5");
    start();
    const auto points = tk.only(Op::DrawCircle);
    EXPECT_EQ(points[3].v[0], 432.5f);
    float largest = 0;
    int at = 0;
    for (int t = 0; t <= 300; ++t) {
        if (points[3 + t].v[0] > largest) {
            largest = points[3 + t].v[0];
            at = t;
        }
    }
    EXPECT_NEAR(largest - 420, 112.5, 0.01);
    EXPECT_NEAR(at, 40, 1);
}

TEST_F(ThicknessSweep, ColourWordPicksThePointColourAndAnyOtherTextPlotsNothing)
{
    struct Case {
        const char* word;
        std::optional<Colour> colour;
        bool plotted;
    };
    const Case cases[] = {{"modrá", rgb(0, 0, 255), true},  {"zelená", rgb(0, 255, 0), true},
                          {"červená", rgb(255, 0, 0), true}, {"černá", std::nullopt, true},
                          {"Modrá", std::nullopt, false},    {"modrá ", std::nullopt, false},
                          {"černa", std::nullopt, false}};
    for (const Case& c : cases) {
        tk.forget();
        tk.answers = {Answer::No};
        tk.putText(nBarva, c.word);
        start();
        const auto circles = tk.only(Op::DrawCircle);
        ASSERT_EQ(circles.size(), c.plotted ? 304u : 3u) << c.word;
        if (c.plotted) {
            EXPECT_EQ(circles.back().colour, c.colour) << c.word;
        }
        EXPECT_EQ(tk.count(Op::DrawLine), 701u + 7u + 48762u + 303u) << c.word;
    }
}

TEST_F(ThicknessSweep, FirstStepErasesAndTrailsTheStepBeforeIt)
{
    start();
    const auto calls = step(tk.calls, 0);
    EXPECT_TRUE(isLine(calls[4], 30, 90.5f, 215, 189.5f));
    EXPECT_TRUE(isLine(calls[8], 215, 189.5f, 400, 90.5f));
    // The trail for thickness -1 is a pale red stub of about 4 pixels.
    const Call& trail = calls[13];
    EXPECT_EQ(trail.colour, colPaleRed);
    EXPECT_NEAR(trail.v[2], 470.15, 0.01);
    EXPECT_NEAR(trail.v[3], 114.42, 0.01);
    // No plate row at thickness 0: the pause follows the slow-down read.
    EXPECT_EQ(calls.size(), 21u);
}

TEST_F(ThicknessSweep, SlowDownIsReadEveryStepAndSetsThePause)
{
    struct Case {
        const char* text;
        long long nanoseconds;
    };
    for (const Case c : {Case{"1", 10'000'000}, Case{"30", 300'000'000}, Case{"2,5", 25'000'000}, Case{"-1", 0},
                         Case{"0", 0}, Case{"1000", 300'000'000}}) {
        tk.forget();
        tk.answers = {Answer::No};
        tk.putText(nSpomaleni, c.text);
        start();
        const auto pauses = tk.only(Op::Pause);
        ASSERT_EQ(pauses.size(), 301u) << c.text;
        for (const Call& p : pauses) ASSERT_EQ(p.number, c.nanoseconds) << c.text;
    }
}

TEST_F(ThicknessSweep, UnreadableSlowDownEndsTheRunBeforeTheFirstPause)
{
    tk.putText(nSpomaleni, "rychle");
    const auto failure = window.dispatch(cmdStart, Event::Click);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->number(), error::typeMismatch);
    EXPECT_EQ(tk.count(Op::Pause), 0u);
    EXPECT_EQ(tk.count(Op::ShowControl), 0u);
}

} // namespace
} // namespace tavrolin::test
