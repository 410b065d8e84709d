// Pausing, stepping and sounding a run, decided once for every backend.
#include "lesson/Tone.h"
#include "support/FakeBackend.h"
#include "window/Session.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <functional>
#include <map>

namespace tavrolin::test {
namespace {

using enum ControlId;
constexpr LessonInput press(LessonKey key) { return {key}; }

// A run at the start-up settings, with the user's keys at its waits: each
// key at the next wait after this many steps were shown. A pause that
// nobody ends fails the run rather than hang the test.
struct PausedRun {
    FakeBackend backend;
    Session session{backend};
    std::map<int, std::deque<LessonInput>> keysAt;
    std::vector<int> stepsAtWait;

    PausedRun()
    {
        EXPECT_TRUE(session.load());
        backend.onWait = [this] {
            const int steps = session.toolkit().stepsShown();
            stepsAtWait.push_back(steps);
            if (stepsAtWait.size() > 10000) {
                ADD_FAILURE() << "still paused after " << steps << " steps";
                session.fail(Failure(error::overflow, "Přetečení."));
            }
            auto keys = keysAt.find(steps);
            if (keys == keysAt.end() || keys->second.empty()) return;
            EXPECT_TRUE(session.lessonInput(keys->second.front()));
            keys->second.pop_front();
        };
    }
    void run() { session.post(cmdStart, Event::Click); }
    long waitsAfter(int steps) const { return std::count(stepsAtWait.begin(), stepsAtWait.end(), steps); }
};

TEST(Lesson, SpacePausesAfterTheStepRightStepsOnceAndATouchResumes)
{
    PausedRun r;
    r.keysAt[10] = {press(LessonKey::Space), press(LessonKey::Right)};
    r.keysAt[11] = {{LessonKey::Right, true, true}};
    r.keysAt[12] = {press(LessonKey::Drawing)};
    r.run();
    EXPECT_EQ(r.session.toolkit().stepsShown(), 301) << "a paused run still ends whole";
    EXPECT_FALSE(r.backend.readoutShown) << "the readout is gone once the run goes on";
    EXPECT_EQ(r.waitsAfter(11), 1) << "a step while paused is shown at once, with no step pause";
    ASSERT_EQ(r.backend.readouts.size(), 3u) << "the pause, and one readout after each step";
    EXPECT_EQ(r.backend.readouts[0].lines[0].text, "Síla skla: 9 px");
    EXPECT_EQ(r.backend.readouts[1].lines[1].text, "Fáze: 45°") << "0.0785205 rad x 10";
    EXPECT_EQ(r.backend.readouts[1].lines[2].text, "Odraz: 15 % největšího") << "29.28 of 200";
    const auto& said = r.backend.announced;
    EXPECT_NE(std::find(said.begin(), said.end(), "Pozastaveno: síla skla 11 px, fáze 49°, odraz 18 % největšího."),
              said.end());
    EXPECT_NE(std::find(said.begin(), said.end(), "Animace pokračuje."), said.end());
    const Readout& at11 = r.backend.readouts[2];
    EXPECT_EQ(at11.left, 455 + 12) << "right of the point at x 455.04";
    EXPECT_NEAR(at11.top + at11.height / 2.0, 190.5 + 11, 1) << "level with it";
    // Resumed, the next step gets a whole pause: 10 ms at slow-down 1.
    const auto resumed = std::find(r.stepsAtWait.begin(), r.stepsAtWait.end(), 13) - r.stepsAtWait.begin();
    EXPECT_EQ(r.backend.deadlines[resumed] - r.backend.deadlines[resumed - 1], std::chrono::milliseconds(10));
}

TEST(Lesson, TheLessonKeysAreTheWindowsOutsideARunButZAndTheLastStepPausesToo)
{
    PausedRun r;
    EXPECT_FALSE(r.session.lessonInput(press(LessonKey::Space))) << "Space presses the focused button";
    EXPECT_FALSE(r.session.lessonInput(press(LessonKey::Right)));
    EXPECT_FALSE(r.session.lessonInput(press(LessonKey::Drawing)));
    EXPECT_FALSE(r.session.lessonInput({LessonKey::Z, true, false, true})) << "typed into a field";
    EXPECT_FALSE(r.session.lessonInput({LessonKey::Z, true, false, false, true})) << "Ctrl+Z is the desktop's";
    EXPECT_TRUE(r.session.lessonInput(press(LessonKey::Z)));
    EXPECT_TRUE(r.session.toolkit().lesson().soundOn());
    // The last step's pause is a step's like any other.
    r.keysAt[301] = {press(LessonKey::Space), press(LessonKey::Space)};
    r.run();
    ASSERT_EQ(r.backend.readouts.size(), 1u);
    EXPECT_EQ(r.backend.readouts[0].lines[0].text, "Síla skla: 300 px");
    EXPECT_FALSE(r.session.busy());
}

TEST(Lesson, AProgramThatEndsWhilePausedLetsTheRunGo)
{
    PausedRun r;
    r.keysAt[5] = {press(LessonKey::Space)};
    int polls = 0;
    auto onWait = r.backend.onWait;
    r.backend.onWait = [&] {
        onWait();
        if (r.backend.readoutShown && ++polls == 3) r.session.fail(Failure(error::overflow, "Přetečení."));
    };
    r.run();
    EXPECT_EQ(r.backend.closedWith, 1);
    EXPECT_EQ(polls, 3);
}

// The tone of each step against the formula, from the values alone: arrows
// of 50 px, the back one turning 0.0785205 rad a pixel, reflection
// 0.02 (a² + b² - 2ab cos φ) between 0 and 200.
TEST(Lesson, TheToneFollowsTheReflectionOverOneOctaveAndFadesAtTheEnd)
{
    PausedRun r;
    ASSERT_TRUE(r.session.lessonInput(press(LessonKey::Z)));
    r.run();
    const auto& tones = r.backend.tones;
    ASSERT_EQ(tones.size(), 302u);
    for (int t = 0; t <= 300; ++t) {
        const double a = 50, b = 50, phase = 0.0785205 * t;
        const double value = 0.02 * (a * a + b * b - 2 * a * b * std::cos(phase));
        ASSERT_NEAR(tones[t].first, 220 * std::pow(2.0, value / 200), 0.05) << t;
        ASSERT_EQ(tones[t].second, toneLoudness) << t;
    }
    EXPECT_EQ(tones.back().second, 0) << "silent once the run has ended";

    FakeBackend quiet;
    quiet.hasSound = false;
    Session session(quiet);
    ASSERT_TRUE(session.load());
    EXPECT_TRUE(session.lessonInput(press(LessonKey::Z)));
    EXPECT_FALSE(session.toolkit().lesson().soundOn());
    ASSERT_FALSE(quiet.announced.empty());
    EXPECT_EQ(quiet.announced.back(), "Zvuk nejde přehrát: počítač nemá zvukové zařízení, které by šlo použít.");
}

// No clicks: the samples never jump, whether the tone starts, changes its
// pitch or stops.
TEST(Lesson, TheSynthesisedToneStartsGlidesAndStopsWithoutAJump)
{
    ToneSynth synth(44100);
    std::vector<std::int16_t> samples(44100 / 5);
    synth.set(220, toneLoudness);
    synth.render(samples.data(), 4410);
    synth.set(440, toneLoudness);
    synth.render(samples.data() + 4410, 2205);
    synth.set(440, 0);
    synth.render(samples.data() + 6615, samples.size() - 6615);
    const double largestJump = 2 * 3.1416 * 440 / 44100 * 32767 * toneLoudness;
    for (std::size_t i = 1; i < samples.size(); ++i)
        ASSERT_LE(std::abs(samples[i] - samples[i - 1]), largestJump * 1.01) << i;
    EXPECT_EQ(samples.front(), 0);
    EXPECT_EQ(samples.back(), 0) << "faded out within the rest";
    const int fadeSamples = 44100 * toneFade.count() / 1000;
    EXPECT_LT(std::abs(samples[10]), 32767 * toneLoudness * 10 / fadeSamples + 2) << "fades in";
}

} // namespace
} // namespace tavrolin::test
