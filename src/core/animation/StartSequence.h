#pragma once

#include "animation/SceneGeometry.h"
#include "toolkit/Toolkit.h"

#include <string_view>

namespace tavrolin::animation {

std::string_view clearQuestion();

// The first stage of a run: asks whether to clear the graph (on every run
// but the first), clears the glass side and the phase diagram, reads the
// settings, computes the geometry and draws what stays in place.
SceneGeometry startSequence(Toolkit& tk);

} // namespace tavrolin::animation
