#pragma once

#include "DeviceScale.h"
#include "basics/ControlId.h"
#include "layout/Layout.h"
#include "layout/PaintedControls.h"

#include <windows.h>

#include <array>
#include <optional>
#include <string>

namespace tavrolin::win32 {

// How a label or the image control looks; where it is and whether it is
// visible is the core's PaintedControls.
struct PaintedLook {
    std::string text;
    FontStyle font{};
    TextAlign align = TextAlign::Left;
    COLORREF background = 0;
    // The image drawn for 96 dpi, and for twice that, which looks better
    // from 150 % on; not owned.
    HBITMAP image = nullptr;
    HBITMAP image2x = nullptr;
};

// The client area's drawing, kept in a bitmap of the screen's pixels so
// that it survives the window being covered; the window paints from it.
// Coordinates are the layout's 96-dpi pixels, the scale turns them into the
// screen's.
class GdiSurface {
public:
    // The size is in the screen's pixels.
    GdiSurface(HWND window, COLORREF background, SIZE size, DeviceScale scale = DeviceScale());
    ~GdiSurface();
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    void setPenWidth(int width) { penWidth_ = width; }
    void drawLine(float x1, float y1, float x2, float y2, COLORREF colour);
    void drawCircle(float x, float y, float radius, COLORREF colour);

    // Gives a label or the image its look; the core says where it goes.
    void addPainted(ControlId id, const PaintedLook& look);
    // Paints the background or painted controls as the steps say.
    void paint(const std::vector<PaintStep>& steps, const PaintedControls& painted);

    const DeviceScale& scale() const { return scale_; }
    // The window moved to a screen of another DPI: the picture so far is
    // stretched to the new scale (it cannot be drawn again); the painted
    // controls are then to be painted afresh at their new size on top.
    void setScale(DeviceScale scale, SIZE size);
    // Where the drawing's corner lies in the window.
    void setOrigin(POINT origin);

    // Puts what changed since the last flush on the screen now.
    void flush();
    // Answers WM_PAINT.
    void paint(HDC target, const RECT& area) const;

    // A pixel of the screen's, for tests.
    COLORREF pixel(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    void selectPen(COLORREF colour);
    void createFonts();
    void deleteFonts();
    void paintControl(ControlId id, RECT rect, const RECT& clip);
    void fill(const RECT& rect, COLORREF colour);
    void touch(RECT rect);

    HWND window_;
    DeviceScale scale_;
    POINT origin_{0, 0};
    SIZE size_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    HPEN pen_ = nullptr;
    HGDIOBJ oldPen_ = nullptr;
    COLORREF penColour_ = 0;
    int penWidthSelected_ = 0;
    int penWidth_ = 1;
    COLORREF background_;
    RECT dirty_{};
    std::array<std::optional<PaintedLook>, controlCount> looks_;
    std::array<HFONT, controlCount> fonts_{};
};

} // namespace tavrolin::win32
