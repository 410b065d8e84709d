#include "win32/GdiSurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

namespace tavrolin::win32 {
namespace {

constexpr COLORREF silver = RGB(192, 192, 192);
constexpr COLORREF foreground = RGB(3, 0, 67);

class GdiSurfaceTest : public ::testing::Test {
protected:
    GdiSurfaceTest()
    {
        window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
        surface = std::make_unique<GdiSurface>(window, silver, SIZE{800, 600});
    }
    ~GdiSurfaceTest() override
    {
        surface.reset();
        DestroyWindow(window);
    }

    int count(RECT area, COLORREF colour) const
    {
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) n += surface->pixel(x, y) == colour;
        return n;
    }

    HWND window = nullptr;
    std::unique_ptr<GdiSurface> surface;
};

TEST_F(GdiSurfaceTest, RedrawInBackgroundLeavesNoPixel)
{
    const RECT area{100, 100, 500, 500};
    for (int width : {1, 2}) {
        surface->setPenWidth(width);
        surface->drawLine(130.3f, 110.7f, 477.9f, 489.2f, foreground);
        surface->drawLine(120, 300.5f, 480.6f, 320.1f, foreground);
        EXPECT_GT(count(area, foreground), 300);
        surface->drawLine(130.3f, 110.7f, 477.9f, 489.2f, silver);
        surface->drawLine(120, 300.5f, 480.6f, 320.1f, silver);
        EXPECT_EQ(count(area, silver), 400 * 400) << width;
    }
}

// Level and upright lines of width 1 are filled, not drawn with GDI's pen:
// at 96 dpi they must cover the very pixels that LineTo does, from the
// start up to the end, whichever way they run and wherever they are cut.
TEST_F(GdiSurfaceTest, RowsAndColumnsGiveTheLinesOwnPixels)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 800, 600);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const RECT all{0, 0, 800, 600};
    HBRUSH background = CreateSolidBrush(silver);
    FillRect(dc, &all, background);
    DeleteObject(background);

    surface->setPenWidth(1);
    unsigned seed = 12345;
    const auto next = [&seed](float from, float to) {
        seed = seed * 1103515245u + 12345u;
        return from + (to - from) * float((seed >> 8) & 0xFFFF) / 65536.0f;
    };
    for (int i = 0; i < 400; ++i) {
        float x1 = next(-30, 830), x2 = next(-30, 830), y1 = next(-20, 620), y2 = y1;
        if (i % 2) std::swap(x1, y1), std::swap(x2, y2); // a column
        if (i % 5 == 0) y1 = y2 = std::floor(y1) + 0.5f;
        const COLORREF colour = RGB(i % 256, (i * 7) % 256, 90);
        surface->drawLine(x1, y1, x2, y2, colour);
        HPEN pen = CreatePen(PS_SOLID, 1, colour);
        const HGDIOBJ oldPen = SelectObject(dc, pen);
        MoveToEx(dc, int(std::lround(x1)), int(std::lround(y1)), nullptr);
        LineTo(dc, int(std::lround(x2)), int(std::lround(y2)));
        SelectObject(dc, oldPen);
        DeleteObject(pen);
    }
    int differing = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) differing += surface->pixel(x, y) != GetPixel(dc, x, y);
    EXPECT_EQ(differing, 0);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST_F(GdiSurfaceTest, DotsRingsAndClipping)
{
    surface->setPenWidth(2);
    surface->drawCircle(200, 300.5f, 1, RGB(0, 0, 255));
    const int dot = count({196, 296, 205, 306}, RGB(0, 0, 255));
    EXPECT_GE(dot, 4);
    EXPECT_LE(dot, 25);

    surface->setPenWidth(1);
    surface->drawCircle(300, 300, 5, foreground);
    EXPECT_EQ(surface->pixel(300, 300), silver);
    EXPECT_GE(count({293, 293, 308, 308}, foreground), 20);

    surface->drawLine(100, -19, 795, -19, foreground);
    surface->drawLine(700, 550, 5000, 550, foreground);
    EXPECT_EQ(surface->pixel(750, 550), foreground);
}

// At 125 % a layout pixel is one or two screen pixels high. The plate is
// drawn row by row in thin level lines: its rows meet without a gap, and
// drawn again in silver, rays and rows leave nothing.
TEST(GdiSurfaceAtAScale, PlateRowsMeetAndRedrawInSilverLeavesNothing)
{
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1000, 750, nullptr, nullptr, nullptr, nullptr);
    GdiSurface surface(window, silver, SIZE{1000, 750}, DeviceScale(120));
    const auto count = [&](RECT area, COLORREF colour) {
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) n += surface.pixel(x, y) == colour;
        return n;
    };
    for (COLORREF colour : {foreground, silver}) {
        surface.setPenWidth(1);
        for (int y = 211; y <= 260; ++y) surface.drawLine(30, float(y), 400, float(y), colour);
        surface.drawLine(30, 90, 215, 230.5f, colour);
        surface.setPenWidth(2);
        surface.drawLine(470, 150, 530.3f, 210.8f, colour);
    }
    EXPECT_EQ(count({0, 0, 1000, 750}, silver), 1000 * 750);

    surface.setPenWidth(1);
    for (int y = 211; y <= 260; ++y) surface.drawLine(30, float(y), 400, float(y), foreground);
    // Rows 211 to 260 are the screen's rows from 263.75 to 326.25, rounded.
    EXPECT_EQ(count({38, 264, 500, 326}, foreground), (500 - 38) * (326 - 264));
    EXPECT_EQ(count({0, 263, 1000, 264}, foreground), 0);
    EXPECT_EQ(count({0, 326, 1000, 327}, foreground), 0);
    DestroyWindow(window);
}

} // namespace
} // namespace tavrolin::win32
