#include "animation/Pacing.h"

#include <algorithm>
#include <cmath>

namespace tavrolin::animation {

std::chrono::nanoseconds pauseFor(double delayCount)
{
    if (!(delayCount > 0)) return std::chrono::nanoseconds{0};
    const double counts = std::min(std::ceil(delayCount), maxSlowDown * countsPerSlowDown);
    return countDuration * static_cast<long long>(counts);
}

} // namespace tavrolin::animation
