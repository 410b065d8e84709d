#pragma once
// The benchmarks' step-to-step figures: from when each step was put on the
// screen, the median, 95th percentile and largest interval.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

inline void printStepIntervals(const std::vector<std::chrono::steady_clock::time_point>& shown, int nominalMs)
{
    if (shown.size() <= 2) return;
    std::vector<double> gaps;
    for (std::size_t i = 1; i < shown.size(); ++i)
        gaps.push_back(std::chrono::duration<double, std::milli>(shown[i] - shown[i - 1]).count());
    std::sort(gaps.begin(), gaps.end());
    std::printf("  step to step: median %.2f ms, 95th percentile %.2f ms, largest %.2f ms (nominal %d ms)\n",
                gaps[gaps.size() / 2], gaps[gaps.size() * 95 / 100], gaps.back(), nominalMs);
}
