#pragma once

#include "animation/SceneGeometry.h"
#include "toolkit/Toolkit.h"

namespace tavrolin::animation {

constexpr int maxThickness = 300;

struct SweepEnd {
    int counter;        // one past the last thickness: 301
    double prevBottomY; // bottom surface one step before the last
};

// Grows the plate from 0 to 300 pixels, one pixel a step, moving the rays
// and the back-surface arrow, plotting the reflection value, and pausing
// after every step as long as the slow-down setting says.
SweepEnd thicknessSweep(Toolkit& tk, const SceneGeometry& g);

// 0.02 times the squared length of the resultant for a back-surface arrow
// turned by phase.
double reflectValue(const SceneGeometry& g, double phase);

} // namespace tavrolin::animation
