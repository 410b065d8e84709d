#pragma once

#include "layout/PaintedControls.h"
#include "layout/SceneFit.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

namespace tavrolin::win32 {

// The layout and the core work in pixels at 96 dpi; the screen may have
// more (125 % is 120 dpi, 200 % is 192). Every layout pixel becomes the
// block of device pixels between the scaled positions of its two edges, so
// that layout pixels side by side stay side by side, with neither a gap nor
// an overlap, at fractional scales too; equal coordinates always give equal
// device pixels.
class DeviceScale {
public:
    explicit DeviceScale(int dpi = 96) : dpi_(dpi > 0 ? dpi : 96) {}

    int dpi() const { return dpi_; }
    bool operator==(const DeviceScale&) const = default;

    // The device position of a layout pixel's top or left edge.
    int at(int layout) const { return edgeAtDpi(layout, dpi_); }
    RECT rect(int left, int top, int right, int bottom) const { return {at(left), at(top), at(right), at(bottom)}; }
    RECT rect(const PixelRect& r) const { return rect(r.left, r.top, r.left + r.width, r.top + r.height); }
    // A font's pixel size, never below one device pixel.
    int size(int layout) const { return std::max(1, at(layout)); }
    // A pen is as wide as the tallest block of device pixels that one layout
    // pixel can become (2 at 125 %): a thinner one would let the rays of
    // neighbouring steps miss pixels of a line under them that they erase
    // together at 96 dpi.
    int penWidth(int layout) const { return std::max(1, (layout * dpi_ + 95) / 96); }

private:
    int dpi_;
};

} // namespace tavrolin::win32
