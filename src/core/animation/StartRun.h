#pragma once

#include "toolkit/Toolkit.h"

namespace tavrolin::animation {

// The whole animation, run inside the Start button's click handler from the
// question to the closing picture; it returns when the picture is complete.
void cmdStart_Click(Toolkit& tk);

} // namespace tavrolin::animation
