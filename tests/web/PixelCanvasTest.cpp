// The browser's drawing buffer, natively: the exactness rules that the run
// relies on, at the scales of common screens.
#include "web/PixelCanvas.h"
#include "web/AxisLabel.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

namespace tavrolin::web {
namespace {

constexpr Rgba silver = opaque(0xC0C0C0);
constexpr Rgba ink = opaque(0x430003);

int count(const PixelCanvas& canvas, Rgba colour)
{
    int n = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            n += canvas.at(x, y) == colour;
    return n;
}

class AtAScale : public testing::TestWithParam<double> {};

// The rays and arrows of a run are erased by drawing them again in silver:
// steep, flat, fractional and crossing lines of both pen widths, and the
// circles, must leave nothing behind, whatever the screen's scale.
TEST_P(AtAScale, DrawingAgainInSilverLeavesNoPixel)
{
    PixelCanvas canvas(400, 300, GetParam(), silver);
    struct Line {
        float x1, y1, x2, y2;
        int width;
    };
    const Line lines[] = {{10.5f, 190.5f, 300.25f, 190.5f, 1}, {12.3f, 7.7f, 181.9f, 233.1f, 1},
                          {150.5f, 110.5f, 151.2f, 290.9f, 1}, {80.75f, 40.1f, 20.2f, 39.6f, 2},
                          {60.1f, 250.6f, 199.4f, 12.2f, 2},   {-30.f, -19.f, 795.f, 280.3f, 1}};
    for (const Line& l : lines)
        canvas.drawLine(l.x1, l.y1, l.x2, l.y2, l.width, ink);
    canvas.drawCircle(120.4f, 90.6f, 50, 1, ink);
    canvas.drawCircle(33.3f, 77.7f, 1, 2, ink);
    ASSERT_GT(count(canvas, ink), 0);
    for (const Line& l : lines)
        canvas.drawLine(l.x1, l.y1, l.x2, l.y2, l.width, silver);
    canvas.drawCircle(120.4f, 90.6f, 50, 1, silver);
    canvas.drawCircle(33.3f, 77.7f, 1, 2, silver);
    EXPECT_EQ(count(canvas, silver), canvas.width() * canvas.height());
}

// A layout line of pen width w is w x scale device pixels wide, rounded up:
// 2 at 125 % and at 200 %.
TEST_P(AtAScale, LinesAreAsWideAsThePenOnTheScreen)
{
    const double scale = GetParam();
    PixelCanvas canvas(int(200 * scale), int(200 * scale), scale, silver);
    canvas.drawLine(10, 50.5f, 150, 50.5f, 1, ink);
    canvas.drawLine(100.5f, 60, 100.5f, 150, 2, ink);
    const int across = int(std::ceil(scale));
    int rows = 0, columns = 0;
    for (int y = 0; y < canvas.height(); ++y)
        rows += canvas.at(canvas.device(80), y) == ink;
    for (int x = 0; x < canvas.width(); ++x)
        columns += canvas.at(x, canvas.device(100)) == ink;
    EXPECT_EQ(rows, across);
    EXPECT_EQ(columns, int(std::ceil(2 * scale)));
}

INSTANTIATE_TEST_SUITE_P(Scales, AtAScale, testing::Values(1.0, 1.25, 1.5, 2.0));

// Graph points are circles of radius 1 at width 2, which must show as solid
// dots; source and detector are rings of radius 5 at width 1.
TEST(PixelCanvasCircles, RadiusOneAtWidthTwoIsASolidDotRadiusFiveARing)
{
    PixelCanvas canvas(40, 40, 1.0, silver);
    canvas.drawCircle(10, 10, 1, 2, ink);
    for (int y = 9; y <= 10; ++y)
        for (int x = 9; x <= 10; ++x)
            EXPECT_EQ(canvas.at(x, y), ink) << x << "," << y;
    EXPECT_EQ(canvas.at(14, 10), silver);

    canvas.drawCircle(25, 25, 5, 1, ink);
    EXPECT_EQ(canvas.at(25, 25), silver) << "a ring, not a disc";
    EXPECT_EQ(canvas.at(27, 26), silver);
    // Closed: silver reached from the centre, step by step across edges,
    // stays inside the ring.
    std::vector<std::pair<int, int>> todo{{25, 25}};
    std::vector<bool> seen(40 * 40);
    int inside = 0;
    while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        if (x < 0 || y < 0 || x >= 40 || y >= 40 || seen[y * 40 + x] || canvas.at(x, y) != silver) continue;
        seen[y * 40 + x] = true;
        ++inside;
        todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
    }
    EXPECT_GT(inside, 50);
    EXPECT_LT(inside, 100) << "the ring has a gap";
}

// The run's clearing bands start at y = -19 and reach x = 795, beyond a
// narrow window: the visible part is drawn, nothing else, and no coordinate
// (not even one that is not a number) reaches outside the buffer.
TEST(PixelCanvasClipping, LinesPartlyOrWhollyOutsideDrawTheirVisiblePart)
{
    PixelCanvas canvas(300, 100, 1.25, silver);
    canvas.drawLine(0, -19, 795, -19, 1, ink);
    EXPECT_EQ(count(canvas, ink), 0);
    canvas.drawLine(-50, 40.5f, 795, 40.5f, 1, ink);
    for (int x = 0; x < canvas.width(); ++x)
        EXPECT_EQ(canvas.at(x, canvas.device(40.5)), ink) << x;
    canvas.drawLine(200, -19, 200, 581, 2, ink);
    EXPECT_EQ(canvas.at(canvas.device(200), 0), ink);
    EXPECT_EQ(canvas.at(canvas.device(200), canvas.height() - 1), ink);
    canvas.drawLine(-1e6f, 40.5f, 1e6f, 40.5f, 1, silver);
    for (int x = 0; x < canvas.width(); ++x)
        EXPECT_EQ(canvas.at(x, canvas.device(40.5)), silver) << x;
    canvas.drawLine(NAN, 0, 10, 10, 1, ink);
    canvas.drawLine(-1e30f, 50, 1e30f, 50.5f, 1, ink);
    canvas.drawCircle(1e30f, 20, 5, 1, ink);
    canvas.drawCircle(20, 20, INFINITY, 1, ink);
    canvas.drawCircle(20, 20, 1e30f, 1, ink);
    EXPECT_EQ(count(canvas, ink) + count(canvas, silver), canvas.width() * canvas.height());
}

// A change of the screen's scale keeps the picture, stretched, and reports
// the whole buffer as changed.
TEST(PixelCanvasReshape, KeepsThePictureAtTheNewScale)
{
    PixelCanvas canvas(100, 100, 1.0, silver);
    canvas.drawLine(10, 20.5f, 60, 20.5f, 1, ink);
    canvas.takeChanged();
    canvas.reshape(200, 220, 2.0);
    EXPECT_EQ(canvas.at(40, 40), ink);
    EXPECT_EQ(canvas.at(40, 41), ink);
    EXPECT_EQ(canvas.at(40, 43), silver);
    EXPECT_EQ(canvas.at(150, 210), silver);
    EXPECT_EQ(canvas.takeChanged(), (std::vector<PixelRect>{{0, 0, 200, 220}}));
    EXPECT_TRUE(canvas.takeChanged().empty());
}

// What is put on the screen after a step: every pixel that changed, little
// else, and nothing for lines drawn again as they were (the plate's rows,
// redrawn every step).
TEST(PixelCanvasChanges, CoverEveryChangedPixelAndLittleMore)
{
    // The rays by way of the plate's bottom surface, a V, which moves down a
    // pixel a step.
    PixelCanvas canvas(800, 600, 2.0, silver);
    canvas.drawLine(10, 20, 390, 290, 1, ink);
    canvas.drawLine(390, 290, 770, 20, 1, ink);
    canvas.drawLine(10, 250, 390, 250, 1, ink);
    canvas.takeChanged();
    const std::vector<Rgba> before(canvas.pixels(), canvas.pixels() + 800 * 600);
    canvas.drawLine(10, 20, 390, 290, 1, silver);
    canvas.drawLine(390, 290, 770, 20, 1, silver);
    canvas.drawLine(10, 20, 390, 291, 1, ink);
    canvas.drawLine(390, 291, 770, 20, 1, ink);
    canvas.drawLine(10, 250, 390, 250, 1, ink); // a row again, as it was
    const std::vector<PixelRect> changed = canvas.takeChanged();
    long area = 0;
    for (const PixelRect& r : changed)
        area += long(r.width) * r.height;
    int missed = 0, changedPixels = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            if (canvas.at(x, y) == before[std::size_t(y) * 800 + std::size_t(x)]) continue;
            ++changedPixels;
            missed += std::none_of(changed.begin(), changed.end(), [&](const PixelRect& r) {
                return x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height;
            });
        }
    EXPECT_GT(changedPixels, 0);
    EXPECT_EQ(missed, 0);
    // Each ray's box is 760 x 540 device pixels; the rectangles of both
    // together are a small part of one.
    EXPECT_LT(area, 760L * 540 / 4);
    canvas.drawLine(10, 250, 390, 250, 1, ink);
    EXPECT_TRUE(canvas.takeChanged().empty());
}

// A one-pixel-wide bitmap of two rows, red above blue, with the height's
// sign saying which way its rows run; a height past any real bitmap, the
// lowest int among them, is not one.
TEST(AxisLabelBitmap, RowsRunAsTheHeightsSignSaysAndAnAbsurdHeightIsNoBitmap)
{
    const auto bitmap = [](std::int32_t height, bool redFirst) {
        std::vector<unsigned char> b(54 + 8, 0);
        const auto put = [&](std::size_t at, std::uint32_t v, int bytes) {
            for (int i = 0; i < bytes; ++i)
                b[at + std::size_t(i)] = (v >> (8 * i)) & 0xFF;
        };
        b[0] = 'B', b[1] = 'M';
        put(10, 54, 4);
        put(18, 1, 4);
        put(22, std::uint32_t(height), 4);
        put(28, 24, 2);
        const std::size_t red = redFirst ? 54 : 58, blue = redFirst ? 58 : 54; // rows of 4 bytes, BGR
        b[red + 2] = 0xFF;
        b[blue] = 0xFF;
        return b;
    };
    const auto topDown = bitmap(-2, true), bottomUp = bitmap(2, false);
    for (const auto& bytes : {topDown, bottomUp}) {
        const Pixels p = decodeBitmap(bytes.data(), bytes.size());
        ASSERT_EQ(p.height, 2);
        EXPECT_EQ(p.rgba[0], opaque(0x0000FF)) << "red on top";
        EXPECT_EQ(p.rgba[1], opaque(0xFF0000));
    }
    for (std::int32_t height : {std::numeric_limits<std::int32_t>::min(), -4097, 4097}) {
        const auto bytes = bitmap(height, true);
        EXPECT_EQ(decodeBitmap(bytes.data(), bytes.size()).height, 0) << height;
    }
}

} // namespace
} // namespace tavrolin::web
