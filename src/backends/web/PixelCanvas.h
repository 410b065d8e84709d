#pragma once

#include "layout/PaintedControls.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace tavrolin::web {

// A pixel as the browser's ImageData holds it in memory: R, G, B, A bytes,
// so 0xAABBGGRR read as a little-endian word.
using Rgba = std::uint32_t;

constexpr Rgba opaque(std::uint32_t bbggrr) { return 0xFF000000u | (bbggrr & 0x00FFFFFFu); }

// The retained drawing of the page: a buffer of device pixels that the
// canvas shows. Coordinates given to the drawing calls are the layout's
// pixels, scale times as many device pixels. Lines and circle outlines are
// aliased and replace the pixels they cover, so that drawing one again in
// another colour leaves nothing of it; equal coordinates always give equal
// pixels. Everything outside the buffer is clipped.
class PixelCanvas {
public:
    PixelCanvas(int width, int height, double scale, Rgba background);

    int width() const { return width_; }
    int height() const { return height_; }
    double scale() const { return scale_; }
    const Rgba* pixels() const { return pixels_.data(); }
    Rgba at(int x, int y) const { return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)]; }

    // The band of a layout pixel edge: where layout coordinate v lies in
    // device pixels.
    int device(double v) const;
    // The device pixels of a rectangle of layout pixels.
    PixelRect deviceRect(const PixelRect& layout) const;

    void drawLine(float x1, float y1, float x2, float y2, int penWidth, Rgba colour);
    void drawCircle(float x, float y, float radius, int penWidth, Rgba colour);
    // Device pixels, clipped.
    void fill(const PixelRect& rect, Rgba colour);
    // Copies an image of device pixels with its top-left at (rect.left,
    // rect.top), only where it falls inside clip.
    void blit(const Rgba* image, int imageWidth, int imageHeight, int left, int top, const PixelRect& clip);

    // A new size or scale: what was drawn is kept, stretched to the new
    // scale; new area shows the background.
    void reshape(int width, int height, double scale);

    // Rectangles that hold every device pixel changed since the last call,
    // and forgets them. Only pixels that took another colour count: a line
    // drawn again as it was changes nothing. Each rectangle follows the
    // changed pixels closely (a diagonal line gives a chain of narrow ones),
    // so that what is put on the screen is little more than what changed.
    std::vector<PixelRect> takeChanged();

private:
    // A square pen of side penWidth device pixels centred on the pixel.
    void stamp(int x, int y, int side, Rgba colour);
    // Sets pixels [from, to) of the row, noting those that change.
    void fillSpan(int row, int from, int to, Rgba colour);
    void touch(int left, int top, int right, int bottom);
    void touchRow(int row, int left, int right);

    int width_, height_;
    double scale_;
    Rgba background_;
    std::vector<Rgba> pixels_;
    // The changed pixels of each row lie in up to four spans [first,
    // second), apart where things far apart change in one row (the two arms
    // of the rays' V, the arrows, the graph); rows changedTop_ to
    // changedBottom_ - 1 may have some.
    using Span = std::pair<int, int>;
    std::vector<std::array<Span, 4>> changed_;
    int changedTop_ = 0, changedBottom_ = 0;
    // A line's span in each of its rows, while it is drawn.
    std::vector<std::pair<int, int>> rowSpans_;
    // Each row's last wide fill, which the program often makes again as it
    // was (the plate's rows, every step): its pixels are still its colour
    // but where something else has been drawn since, in the spans noted
    // here. The same fill again need only look at those.
    struct RowFill {
        Span span{};
        Rgba colour = 0;
        int drawnOver = 0;
        std::array<Span, 6> over{};
    };
    std::vector<RowFill> rowFills_;
    void setSpan(int row, int from, int to, Rgba colour);
    void noteDrawn(int row, int from, int to);
};

} // namespace tavrolin::web
