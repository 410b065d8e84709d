#pragma once

namespace tavrolin {

// What one step of a run has plotted: the plate's thickness, the back-surface
// arrow's turn in radians, the reflection value, the smallest and largest
// value these settings can reach, and where the graph's point lies.
struct PlottedStep {
    int thickness = 0;
    double phase = 0, strength = 0, smallest = 0, largest = 0;
    double x = 0, y = 0;
};

} // namespace tavrolin
