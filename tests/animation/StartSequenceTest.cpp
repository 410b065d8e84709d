#include "animation/StartSequence.h"
#include "support/RunFixture.h"

namespace tavrolin::test {
namespace {

using enum ControlId;
using animation::startSequence;

class StartSequence : public RunFixture {};

TEST_F(StartSequence, GeometryWithTheStartUpSettings)
{
    const animation::SceneGeometry g = startSequence(tk);
    EXPECT_DOUBLE_EQ(g.phaseStep, 0.0785205);
    EXPECT_EQ(g.backLen, 50);
    // 581 / 2 is 290.5: every horizontal reference lies on a half pixel.
    EXPECT_EQ(g.arrowCy, 110.5);
    EXPECT_EQ(g.graphY0, 190.5);
    EXPECT_EQ(g.glassTop, 190.5);
    EXPECT_EQ(g.graphY1, 540.5);
    EXPECT_EQ(g.detectorY, 90.5);
    EXPECT_EQ(g.sourceY, 90.5);
    EXPECT_EQ(g.arrowCx, 470);
    EXPECT_EQ(g.graphX0, 420);
    EXPECT_EQ(g.graphX1, 780);
    EXPECT_EQ(g.glassRight, 400);
    EXPECT_EQ(g.hitX, 215);
    EXPECT_EQ(g.maxLineX, 620);
    EXPECT_EQ(g.halfLineX, 520);
}

TEST_F(StartSequence, GeometryFollowsFrequencyLengthAndShift)
{
    struct Case {
        const char *f, *n, *s;
        double phaseStep, backLen, maxLineX, halfLineX, sourceY;
    };
    const Case cases[] = {
        {"0,5", "0,5", "0", 0.03926025, 25, 532.5, 476.25, 90.5},
        {"1", "1,5", "50", 0.0785205, 75, 732.5, 576.25, 140.5},
        {"1,5", "1", "0", 0.11778075, 50, 620, 520, 90.5},
    };
    for (const Case& c : cases) {
        tk.putText(nFrekvence, c.f);
        tk.putText(nNasob, c.n);
        tk.putText(nPosunZdroje, c.s);
        const animation::SceneGeometry g = startSequence(tk);
        EXPECT_NEAR(g.phaseStep, c.phaseStep, 1e-15) << c.f;
        EXPECT_DOUBLE_EQ(g.backLen, c.backLen) << c.n;
        EXPECT_DOUBLE_EQ(g.maxLineX, c.maxLineX) << c.n;
        EXPECT_DOUBLE_EQ(g.halfLineX, c.halfLineX) << c.n;
        EXPECT_EQ(g.sourceY, c.sourceY) << c.s;
        EXPECT_EQ(g.detectorY, 90.5) << "the detector does not move with the source";
        EXPECT_EQ(g.frontLen, 50) << "the phase circle keeps its radius";
    }
}

TEST_F(StartSequence, FirstRunAsksNothingAndClearsTheGlassSideOnly)
{
    startSequence(tk);
    EXPECT_EQ(tk.count(Op::AskYesNo), 0u);
    EXPECT_EQ(tk.text(nStartuje), "Ne");
    const auto lines = tk.only(Op::DrawLine);
    // Band B: 500 rows from y 580 up to 81, x 20..400; band C: 201 rows
    // from 181 up to -19, x 100..795.
    for (int i = 0; i < 500; ++i) ASSERT_TRUE(isLine(lines[i], 20, 580 - i, 400, 580 - i)) << i << describe(lines[i]);
    for (int i = 0; i < 201; ++i)
        ASSERT_TRUE(isLine(lines[500 + i], 100, 181 - i, 795, 181 - i)) << i << describe(lines[500 + i]);
    for (int i = 0; i < 701; ++i) ASSERT_EQ(lines[i].colour, colSilver);
    EXPECT_EQ(lines.size(), 701u + 7u);
}

TEST_F(StartSequence, LaterRunsAskAndClearTheGraphUnlessTheAnswerIsNo)
{
    struct Case {
        Answer answer;
        std::size_t clearingLines;
    };
    startSequence(tk);
    for (const Case c : {Case{Answer::No, 701}, Case{Answer::Yes, 1301}, Case{Answer::Other, 1301}}) {
        tk.forget();
        tk.answers = {c.answer};
        startSequence(tk);
        const auto asked = tk.only(Op::AskYesNo);
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].text, "Vymazat graf pro novou animaci?");
        const auto lines = tk.only(Op::DrawLine);
        EXPECT_EQ(lines.size(), c.clearingLines + 7);
        if (c.clearingLines == 1301) {
            EXPECT_TRUE(isLine(lines[0], 100, 580, 795, 580));
            EXPECT_TRUE(isLine(lines[599], 100, -19, 795, -19));
        }
    }
}

TEST_F(StartSequence, OnlyTheExactFirstRunTextSkipsTheQuestion)
{
    for (const char* text : {"ano", "Ano ", "", "ANO"}) {
        tk.forget();
        tk.putText(nStartuje, text);
        startSequence(tk);
        EXPECT_EQ(tk.count(Op::AskYesNo), 1u) << "'" << text << "'";
    }
}

TEST_F(StartSequence, StaticSceneInDrawingOrder)
{
    tk.putText(nPosunZdroje, "50");
    startSequence(tk);
    std::vector<Call> scene;
    for (const Call& c : tk.calls)
        if ((c.op == Op::DrawLine && !c.colour) || c.op == Op::DrawCircle) scene.push_back(c);
    ASSERT_EQ(scene.size(), 10u);
    EXPECT_TRUE(isLine(scene[0], 420, 190.5f, 420, 540.5f));
    EXPECT_TRUE(isLine(scene[1], 470, 110.5f, 520, 110.5f));
    EXPECT_TRUE(isLine(scene[2], 420, 190.5f, 780, 190.5f));
    EXPECT_EQ(scene[3].op, Op::DrawCircle);
    EXPECT_EQ(scene[3].v, (std::array<float, 4>{470, 110.5f, 50, 0}));
    EXPECT_TRUE(isLine(scene[4], 30, 190.5f, 400, 190.5f));
    EXPECT_EQ(scene[5].v, (std::array<float, 4>{30, 140.5f, 5, 0}));
    EXPECT_EQ(scene[6].v, (std::array<float, 4>{400, 90.5f, 5, 0}));
    EXPECT_TRUE(isLine(scene[7], 30, 140.5f, 215, 190.5f));
    EXPECT_TRUE(isLine(scene[8], 620, 190.5f, 620, 540.5f));
    EXPECT_TRUE(isLine(scene[9], 520, 190.5f, 520, 540.5f));

    // Pen width 1 throughout, set before the bands and again before the
    // axis, the circle, the incident ray and the reference lines.
    for (const Call& c : tk.only(Op::SetPenWidth)) EXPECT_EQ(c.number, 1);
    EXPECT_EQ(tk.count(Op::SetPenWidth), 5u);
    EXPECT_EQ(tk.calls[0].op, Op::SetPixelUnits);
}

TEST_F(StartSequence, SettingsAreReadAfterTheClearingAndTheShiftAfterTheTopSurface)
{
    startSequence(tk);
    std::vector<ControlId> reads;
    std::size_t lastBandLine = 0, shiftRead = 0, topSurface = 0;
    for (std::size_t i = 0; i < tk.calls.size(); ++i) {
        const Call& c = tk.calls[i];
        if (c.op == Op::GetText) reads.push_back(c.control);
        if (c.op == Op::GetText && c.control == nPosunZdroje) shiftRead = i;
        if (c.op == Op::DrawLine && c.colour == colSilver) lastBandLine = i;
        if (isLine(c, 30, 190.5f, 400, 190.5f)) topSurface = i;
    }
    EXPECT_EQ(reads, (std::vector<ControlId>{nStartuje, nFrekvence, nNasob, nPosunZdroje}));
    EXPECT_LT(lastBandLine, shiftRead);
    EXPECT_LT(topSurface, shiftRead);
}

TEST_F(StartSequence, UnreadableOrOverflowingSettingsEndTheRunWithAnError)
{
    struct Case {
        ControlId field;
        const char* text;
        int error;
    };
    for (const Case c : {Case{nFrekvence, "abc", error::typeMismatch}, Case{nNasob, "", error::typeMismatch},
                         Case{nNasob, "1e200", error::overflow}, Case{nPosunZdroje, "1e300", error::overflow}}) {
        RecordingToolkit fresh;
        MainWindow w(fresh);
        fresh.attach(w);
        ASSERT_FALSE(w.dispatch(Tavrolin, Event::Load));
        fresh.putText(c.field, c.text);
        const auto failure = w.dispatch(cmdStart, Event::Click);
        ASSERT_TRUE(failure) << c.text;
        EXPECT_EQ(failure->number(), c.error) << c.text;
        EXPECT_EQ(fresh.count(Op::Pause), 0u);
    }
}

} // namespace
} // namespace tavrolin::test
