#pragma once

#include "animation/SceneGeometry.h"
#include "animation/ThicknessSweep.h"
#include "toolkit/Toolkit.h"

namespace tavrolin::animation {

// The end of a run: the plate in glass colour, the last two rays over it,
// and the captions shown at their places in the scene.
void closingPicture(Toolkit& tk, const SceneGeometry& g, const SweepEnd& end);

} // namespace tavrolin::animation
