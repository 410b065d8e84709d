#include "AxisLabel.h"

#include "layout/PaintedControls.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace tavrolin::web {

// Written by the build from resources/ (embed_bytes in CMakeLists.txt).
extern const unsigned char axisLabelBitmap[];
extern const std::size_t axisLabelBitmapSize;
extern const unsigned char axisLabel2xBitmap[];
extern const std::size_t axisLabel2xBitmapSize;

namespace {

std::uint32_t little(const unsigned char* p, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

} // namespace

Pixels decodeBitmap(const unsigned char* bytes, std::size_t size)
{
    if (size < 54 || bytes[0] != 'B' || bytes[1] != 'M') return {};
    const std::uint32_t offset = little(bytes + 10, 4);
    const std::int32_t width = std::int32_t(little(bytes + 18, 4));
    const std::int32_t rawHeight = std::int32_t(little(bytes + 22, 4));
    const unsigned bits = little(bytes + 28, 2), compression = little(bytes + 30, 4);
    // The height's sign says which way the rows run; it is bounded before
    // its magnitude is taken, which for the lowest int would overflow.
    if (bits != 24 || compression != 0 || width <= 0 || rawHeight == 0 || width > 4096 || rawHeight > 4096 ||
        rawHeight < -4096)
        return {};
    const int height = std::abs(rawHeight);
    const std::size_t stride = (std::size_t(width) * 3 + 3) / 4 * 4;
    if (offset > size || size - offset < stride * std::size_t(height)) return {};
    Pixels out{std::vector<Rgba>(std::size_t(width) * std::size_t(height)), width, height};
    for (int y = 0; y < height; ++y) {
        const int row = rawHeight > 0 ? height - 1 - y : y;
        const unsigned char* p = bytes + offset + stride * std::size_t(row);
        for (int x = 0; x < width; ++x, p += 3)
            out.rgba[std::size_t(y) * std::size_t(width) + std::size_t(x)] =
                opaque(std::uint32_t(p[2]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[0]) << 16);
    }
    return out;
}

Pixels axisLabel(int width, int height, double scale)
{
    const Pixels source = axisLabelTwice(scale) ? decodeBitmap(axisLabel2xBitmap, axisLabel2xBitmapSize)
                                                : decodeBitmap(axisLabelBitmap, axisLabelBitmapSize);
    if (source.rgba.empty() || width <= 0 || height <= 0) return {};
    if (source.width == width && source.height == height) return source;
    // The nearest source pixel: its text stays as sharp as the bitmap is.
    Pixels out{std::vector<Rgba>(std::size_t(width) * std::size_t(height)), width, height};
    for (int y = 0; y < height; ++y) {
        const int sy = std::min(source.height - 1, int((y + 0.5) * source.height / height));
        for (int x = 0; x < width; ++x) {
            const int sx = std::min(source.width - 1, int((x + 0.5) * source.width / width));
            out.rgba[std::size_t(y) * std::size_t(width) + std::size_t(x)] =
                source.rgba[std::size_t(sy) * std::size_t(source.width) + std::size_t(sx)];
        }
    }
    return out;
}

} // namespace tavrolin::web
