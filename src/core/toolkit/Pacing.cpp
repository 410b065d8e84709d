#include "toolkit/Pacing.h"

#include <algorithm>
#include <cmath>

namespace tavrolin::animation {

std::chrono::nanoseconds pauseFor(double delayCount)
{
    if (!(delayCount > 0)) return std::chrono::nanoseconds{0};
    const double counts = std::min(std::ceil(delayCount), maxSlowDown * countsPerSlowDown);
    return countDuration * static_cast<long long>(counts);
}

StepDeadlines::Time StepDeadlines::next(Time now, std::chrono::nanoseconds pause)
{
    Time deadline = now + pause;
    if (last_ && *last_ + pause > now) deadline = *last_ + pause;
    last_ = deadline;
    return deadline;
}

} // namespace tavrolin::animation
