#pragma once

#include <chrono>
#include <optional>

namespace tavrolin::animation {

// One count of a step's pause. A step pauses slow-down x 20000 counts, so
// 10 ms at slow-down 1 and 300 ms at 30, on any PC.
constexpr std::chrono::nanoseconds countDuration{500};
constexpr double countsPerSlowDown = 20000;
constexpr double maxSlowDown = 30;

// The pause of one step for a count. A count that is not a whole number of
// at least 1 would never run down to zero; it gets a bounded pause instead:
// nothing for zero, negative or not-a-number, a whole count rounded up
// otherwise, never longer than the slowest setting's.
std::chrono::nanoseconds pauseFor(double delayCount);

// Where each step's pause ends, so that consecutive steps are evenly spaced
// whatever their drawing costs: at the previous pause's end plus this
// pause. A step whose work overran that deadline (a slow PC), and the first
// step after start() (a new run, or the end of a question), gets its whole
// pause from now, and the chain starts again from there. Times are a
// monotonic clock's, in nanoseconds.
class StepDeadlines {
public:
    using Time = std::chrono::nanoseconds;

    void start() { last_.reset(); }
    Time next(Time now, std::chrono::nanoseconds pause);

private:
    std::optional<Time> last_;
};

} // namespace tavrolin::animation
