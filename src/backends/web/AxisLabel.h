#pragma once

#include "PixelCanvas.h"

#include <vector>

namespace tavrolin::web {

struct Pixels {
    std::vector<Rgba> rgba;
    int width = 0, height = 0;
};

// The image control's bitmap (the rotated "Síla skla"), the same file the
// other programs embed, at width x height device pixels: from the twice as
// large one at 150 % and above, as the Windows program does.
Pixels axisLabel(int width, int height, double scale);

// A Windows bitmap of 24 bits per pixel, bottom-up or top-down; empty if
// the bytes are not one.
Pixels decodeBitmap(const unsigned char* bytes, std::size_t size);

} // namespace tavrolin::web
