#include "animation/StartRun.h"

#include "animation/ClosingPicture.h"
#include "animation/StartSequence.h"
#include "animation/ThicknessSweep.h"

namespace tavrolin::animation {

void cmdStart_Click(Toolkit& tk)
{
    const SceneGeometry geometry = startSequence(tk);
    const SweepEnd end = thicknessSweep(tk, geometry);
    closingPicture(tk, geometry, end);
}

} // namespace tavrolin::animation
