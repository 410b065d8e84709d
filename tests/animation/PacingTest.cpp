#include "animation/Pacing.h"

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

} // namespace
} // namespace tavrolin::animation
