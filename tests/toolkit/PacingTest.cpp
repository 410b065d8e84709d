#include "toolkit/Pacing.h"

#include <gtest/gtest.h>

#include <limits>

namespace tavrolin::animation {
namespace {

using std::chrono::milliseconds;
using std::chrono::nanoseconds;

TEST(Pacing, WholeCountsPauseInProportion)
{
    EXPECT_EQ(pauseFor(20000), milliseconds(10));
    EXPECT_EQ(pauseFor(600000), milliseconds(300));
    EXPECT_EQ(pauseFor(1), nanoseconds(500));
}

TEST(Pacing, CountsThatWouldNeverRunDownGiveABoundedPause)
{
    EXPECT_EQ(pauseFor(0), nanoseconds(0));
    EXPECT_EQ(pauseFor(-20000), nanoseconds(0));
    EXPECT_EQ(pauseFor(std::numeric_limits<double>::quiet_NaN()), nanoseconds(0));
    EXPECT_EQ(pauseFor(0.2), nanoseconds(500));
    EXPECT_EQ(pauseFor(20000.5), nanoseconds(500) * 20001);
    EXPECT_EQ(pauseFor(1e300), milliseconds(300));
    EXPECT_EQ(pauseFor(std::numeric_limits<double>::infinity()), milliseconds(300));
}

// Against a clock the test moves: steps whose work takes 3 ms of a 10 ms
// period still end 10 ms apart; a step whose work takes 15 ms gets its whole
// pause after it; a new run after a long gap starts with a whole pause.
TEST(StepDeadlines, StepsAreEvenlySpacedUnlessTheWorkOverruns)
{
    StepDeadlines deadlines;
    const milliseconds pause{10};
    nanoseconds now{milliseconds(1000)};
    deadlines.start();
    nanoseconds end = deadlines.next(now, pause);
    EXPECT_EQ(end, now + pause) << "the first step's whole pause";
    for (int step = 0; step < 5; ++step) {
        now = end + milliseconds(3); // the step's drawing
        const nanoseconds next = deadlines.next(now, pause);
        EXPECT_EQ(next - end, pause);
        end = next;
    }
    now = end + milliseconds(15); // an overrun
    EXPECT_EQ(deadlines.next(now, pause), now + pause);
    end = now + pause;
    now = end + milliseconds(2);
    EXPECT_EQ(deadlines.next(now, pause), end + pause) << "the chain starts again";

    now += milliseconds(5000);
    deadlines.start();
    EXPECT_EQ(deadlines.next(now, pause), now + pause);
    deadlines.start();
    EXPECT_EQ(deadlines.next(now + milliseconds(1), pause), now + milliseconds(11))
        << "a run started at once after another still gets its whole first pause";
}

} // namespace
} // namespace tavrolin::animation
