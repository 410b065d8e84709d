#include "PixelCanvas.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavrolin::web {

namespace {

// Where a pen of `side` device pixels centred on layout coordinate v puts
// its first row or column.
double penStart(double v, double scale, int side) { return v * scale - side / 2.0 + 0.5; }

constexpr double maxRadius = 65536;

int penSide(int penWidth, double scale) { return std::max(1, int(std::ceil(penWidth * scale - 1e-9))); }

// Cuts the segment to the box (Liang and Barsky); false if nothing is left.
bool clip(double& x1, double& y1, double& x2, double& y2, double left, double top, double right, double bottom)
{
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - left, right - x1, y1 - top, bottom - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const double ox = x1, oy = y1;
    // Far-away end points lose digits in the products: keep the result in
    // the box whatever they were.
    x1 = std::clamp(ox + t0 * dx, left, right);
    y1 = std::clamp(oy + t0 * dy, top, bottom);
    x2 = std::clamp(ox + t1 * dx, left, right);
    y2 = std::clamp(oy + t1 * dy, top, bottom);
    return true;
}

} // namespace

PixelCanvas::PixelCanvas(int width, int height, double scale, Rgba background)
    : width_(std::max(0, width)), height_(std::max(0, height)), scale_(scale), background_(background),
      pixels_(std::size_t(width_) * std::size_t(height_), background), changed_(std::size_t(height_)),
      rowFills_(std::size_t(height_))
{
    touch(0, 0, width_, height_);
}

int PixelCanvas::device(double v) const { return int(std::floor(v * scale_ + 0.5)); }

PixelRect PixelCanvas::deviceRect(const PixelRect& layout) const
{
    const int left = device(layout.left), top = device(layout.top);
    return {left, top, device(layout.left + layout.width) - left, device(layout.top + layout.height) - top};
}

void PixelCanvas::touch(int left, int top, int right, int bottom)
{
    top = std::max(top, 0);
    bottom = std::min(bottom, height_);
    for (int row = top; row < bottom; ++row)
        touchRow(row, left, right);
}

namespace {

// Spans this close are one: putting a few unchanged pixels on the screen
// costs less than another rectangle.
constexpr int spanGap = 32;

bool empty(const std::pair<int, int>& s) { return s.first >= s.second; }
int gapBetween(const std::pair<int, int>& a, const std::pair<int, int>& b)
{
    return std::max(a.first, b.first) - std::min(a.second, b.second);
}
void join(std::pair<int, int>& into, const std::pair<int, int>& s)
{
    into = {std::min(into.first, s.first), std::max(into.second, s.second)};
}

} // namespace

void PixelCanvas::touchRow(int row, int left, int right)
{
    left = std::max(left, 0);
    right = std::min(right, width_);
    if (left >= right || row < 0 || row >= height_) return;
    if (changedTop_ >= changedBottom_) {
        changedTop_ = row;
        changedBottom_ = row + 1;
    } else {
        changedTop_ = std::min(changedTop_, row);
        changedBottom_ = std::max(changedBottom_, row + 1);
    }
    auto& spans = changed_[std::size_t(row)];
    Span s{left, right};
    // Joined to a span close to it, with every other span it then reaches;
    // else in a free place; else joined to the nearest.
    Span* into = nullptr;
    for (Span& t : spans)
        if (!empty(t) && gapBetween(t, s) <= spanGap) {
            join(t, s);
            into = &t;
            break;
        }
    if (into) {
        for (Span& t : spans)
            if (&t != into && !empty(t) && gapBetween(t, *into) <= spanGap) {
                join(*into, t);
                t = {};
            }
        return;
    }
    for (Span& t : spans)
        if (empty(t)) {
            t = s;
            return;
        }
    join(*std::min_element(spans.begin(), spans.end(),
                           [&](const Span& x, const Span& y) { return gapBetween(x, s) < gapBetween(y, s); }),
         s);
}

std::vector<PixelRect> PixelCanvas::takeChanged()
{
    // Neighbouring rows' spans go into one rectangle while it stays narrow
    // or about as wide as its widest row: a block of whole rows is one
    // rectangle, a slanted line a chain of narrow ones, the V of two
    // slanted lines two chains.
    constexpr int narrow = 64, slack = 16;
    struct Open {
        PixelRect rect;
        int widestRow;
        bool extended;
    };
    std::vector<PixelRect> rects;
    std::vector<Open> open;
    for (int row = changedTop_; row < changedBottom_; ++row) {
        auto& spans = changed_[std::size_t(row)];
        for (Open& o : open)
            o.extended = false;
        for (const Span& s : spans) {
            if (empty(s)) continue;
            const int width = s.second - s.first;
            bool placed = false;
            for (Open& o : open) {
                if (o.extended) continue;
                const int left = std::min(o.rect.left, s.first), right = std::max(o.rect.left + o.rect.width, s.second);
                // A narrow row does not widen into a block, nor a block
                // narrow a chain: both must be about as wide as the result.
                if (right - left > std::max(narrow, std::min(o.widestRow, width) + slack)) continue;
                const int widest = std::max(o.widestRow, width);
                o = {{left, o.rect.top, right - left, o.rect.height + 1}, widest, true};
                placed = true;
                break;
            }
            if (!placed) open.push_back({{s.first, row, width, 1}, width, true});
        }
        spans = {};
        // A rectangle that this row did not continue is done.
        std::erase_if(open, [&](const Open& o) {
            if (!o.extended) rects.push_back(o.rect);
            return !o.extended;
        });
    }
    for (const Open& o : open)
        rects.push_back(o.rect);
    changedTop_ = changedBottom_ = 0;
    return rects;
}

// Sets pixels [from, to) of the row, noting those that change.
void PixelCanvas::setSpan(int row, int from, int to, Rgba colour)
{
    Rgba* pixels = pixels_.data() + std::ptrdiff_t(row) * width_;
    while (from < to && pixels[from] == colour)
        ++from;
    while (to > from && pixels[to - 1] == colour)
        --to;
    if (from == to) return;
    std::fill(pixels + from, pixels + to, colour);
    touchRow(row, from, to);
}

void PixelCanvas::noteDrawn(int row, int from, int to)
{
    RowFill& fill = rowFills_[std::size_t(row)];
    from = std::max(from, fill.span.first);
    to = std::min(to, fill.span.second);
    if (from >= to) return;
    const Span drawn{from, to};
    for (int i = 0; i < fill.drawnOver; ++i)
        if (gapBetween(fill.over[std::size_t(i)], drawn) <= 0) {
            join(fill.over[std::size_t(i)], drawn);
            return;
        }
    if (fill.drawnOver < int(fill.over.size())) {
        fill.over[std::size_t(fill.drawnOver++)] = drawn;
        return;
    }
    // No room: the nearest noted span grows over it, and what lies between
    // is looked at again too.
    auto nearest = std::min_element(fill.over.begin(), fill.over.end(), [&](const Span& a, const Span& b) {
        return gapBetween(a, drawn) < gapBetween(b, drawn);
    });
    join(*nearest, drawn);
}

void PixelCanvas::fillSpan(int row, int from, int to, Rgba colour)
{
    from = std::max(from, 0);
    to = std::min(to, width_);
    if (row < 0 || row >= height_ || from >= to) return;
    RowFill& fill = rowFills_[std::size_t(row)];
    if (fill.span == Span{from, to} && fill.colour == colour) {
        for (int i = 0; i < fill.drawnOver; ++i)
            setSpan(row, fill.over[std::size_t(i)].first, fill.over[std::size_t(i)].second, colour);
        fill.drawnOver = 0;
        return;
    }
    setSpan(row, from, to, colour);
    // A wide fill is worth remembering; a narrow one is noted as drawn over
    // the one remembered.
    constexpr int wide = 64;
    if (to - from >= wide)
        fill = {{from, to}, colour, 0, {}};
    else
        noteDrawn(row, from, to);
}

void PixelCanvas::stamp(int x, int y, int side, Rgba colour)
{
    for (int row = y; row < y + side; ++row)
        fillSpan(row, x, x + side, colour);
}

void PixelCanvas::drawLine(float x1, float y1, float x2, float y2, int penWidth, Rgba colour)
{
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
    const int side = penSide(penWidth, scale_);
    double ax = penStart(x1, scale_, side), ay = penStart(y1, scale_, side);
    double bx = penStart(x2, scale_, side), by = penStart(y2, scale_, side);
    // Cut far outside the buffer, so that a line of any length costs no more
    // than its visible part; a pen's width inside it is kept.
    if (!clip(ax, ay, bx, by, -side - 1.0, -side - 1.0, width_ + 1.0, height_ + 1.0)) return;

    int x = int(std::floor(ax)), y = int(std::floor(ay));
    const int xEnd = int(std::floor(bx)), yEnd = int(std::floor(by));
    const int dx = std::abs(xEnd - x), dy = -std::abs(yEnd - y);
    const int sx = x < xEnd ? 1 : -1, sy = y < yEnd ? 1 : -1;
    if (dy == 0) { // a row: one fill per pen row
        for (int row = y; row < y + side; ++row)
            fillSpan(row, std::min(x, xEnd), std::max(x, xEnd) + side, colour);
        return;
    }
    // The pen's square at every pixel of the path. The path moves at most a
    // pixel sideways from row to row, so in each row its squares make one
    // span: the line is filled a row at a time.
    const int top = std::min(y, yEnd);
    rowSpans_.assign(std::size_t(std::abs(yEnd - y) + side), {std::numeric_limits<int>::max(), 0});
    int error = dx + dy;
    for (;;) {
        for (int row = y - top; row < y - top + side; ++row) {
            auto& [from, to] = rowSpans_[std::size_t(row)];
            from = std::min(from, x);
            to = std::max(to, x + side);
        }
        if (x == xEnd && y == yEnd) break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
    for (std::size_t row = 0; row < rowSpans_.size(); ++row)
        fillSpan(top + int(row), rowSpans_[row].first, rowSpans_[row].second, colour);
}

void PixelCanvas::drawCircle(float x, float y, float radius, int penWidth, Rgba colour)
{
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(radius)) return;
    const int side = penSide(penWidth, scale_);
    const double cxReal = penStart(x, scale_, side), cyReal = penStart(y, scale_, side);
    const double r = std::abs(double(radius)) * scale_;
    // The program's circles are at most 50 pixels; one of a thousand times a
    // screen's size would only take long to draw a near-straight arc.
    if (r > maxRadius) return;
    // A circle that lies wholly outside the buffer draws nothing.
    if (cxReal + r + side < 0 || cyReal + r + side < 0 || cxReal - r - side > width_ || cyReal - r - side > height_)
        return;
    const int cx = int(std::floor(cxReal)), cy = int(std::floor(cyReal));
    const int rounded = int(std::lround(r));
    if (rounded == 0) {
        stamp(cx, cy, side, colour);
        return;
    }
    // The midpoint circle: every octant's pixel, each stamped with the pen.
    int px = rounded, py = 0, error = 1 - rounded;
    while (px >= py) {
        const int points[8][2] = {{px, py},   {py, px},   {-py, px}, {-px, py},
                                  {-px, -py}, {-py, -px}, {py, -px}, {px, -py}};
        for (const auto& p : points)
            stamp(cx + p[0], cy + p[1], side, colour);
        ++py;
        if (error < 0) {
            error += 2 * py + 1;
        } else {
            --px;
            error += 2 * (py - px) + 1;
        }
    }
}

void PixelCanvas::fill(const PixelRect& rect, Rgba colour)
{
    const int left = std::max(rect.left, 0), top = std::max(rect.top, 0);
    const int right = std::min(rect.left + rect.width, width_), bottom = std::min(rect.top + rect.height, height_);
    if (left >= right || top >= bottom) return;
    for (int row = top; row < bottom; ++row)
        fillSpan(row, left, right, colour);
}

void PixelCanvas::blit(const Rgba* image, int imageWidth, int imageHeight, int left, int top, const PixelRect& clip)
{
    const PixelRect area =
        PixelRect{left, top, imageWidth, imageHeight}.intersected(clip).intersected(PixelRect{0, 0, width_, height_});
    if (area.empty() || image == nullptr) return;
    for (int row = area.top; row < area.top + area.height; ++row) {
        const Rgba* from = image + std::ptrdiff_t(row - top) * imageWidth + (area.left - left);
        std::copy(from, from + area.width, pixels_.begin() + std::ptrdiff_t(row) * width_ + area.left);
        rowFills_[std::size_t(row)] = {};
    }
    touch(area.left, area.top, area.left + area.width, area.top + area.height);
}

void PixelCanvas::reshape(int width, int height, double scale)
{
    width = std::max(0, width);
    height = std::max(0, height);
    std::vector<Rgba> reshaped(std::size_t(width) * std::size_t(height), background_);
    const double ratio = scale_ / scale;
    for (int y = 0; y < height; ++y) {
        const int fromY = int(std::floor((y + 0.5) * ratio));
        if (fromY >= height_) break;
        for (int x = 0; x < width; ++x) {
            const int fromX = int(std::floor((x + 0.5) * ratio));
            if (fromX >= width_) break;
            reshaped[std::size_t(y) * std::size_t(width) + std::size_t(x)] = at(fromX, fromY);
        }
    }
    pixels_ = std::move(reshaped);
    width_ = width;
    height_ = height;
    scale_ = scale;
    changed_.assign(std::size_t(height_), {});
    rowFills_.assign(std::size_t(height_), {});
    changedTop_ = changedBottom_ = 0;
    touch(0, 0, width_, height_);
}

} // namespace tavrolin::web
