#pragma once

#include <algorithm>
#include <cmath>

namespace tavrolin {

// A position this far is off any screen. Held there, rather than
// overflowing a conversion to int, it still leaves room for a control's
// size and a device scale to be added without overflow.
constexpr int farthestPixel = 1 << 24;

// A coordinate as a whole pixel, held within +-farthestPixel; not a number
// is 0.
inline int wholePixel(float value)
{
    if (std::isnan(value)) return 0;
    return int(std::lround(std::clamp(value, -float(farthestPixel), float(farthestPixel))));
}

} // namespace tavrolin
