#include "GdiSurface.h"

#include "Fonts.h"
#include "Text.h"
#include "WindowBuilder.h"
#include "basics/Colour.h"
#include "basics/WholePixel.h"
#include "layout/LabelText.h"

#include <algorithm>
#include <cmath>

namespace tavrolin::win32 {

namespace {

// GDI works in whole pixels; equal coordinates always give equal pixels.
int px(float v) { return wholePixel(v); }

// The advance of each character of a line drawn narrower: the glyphs stay as
// they are, the room between them takes up the squeeze, spread evenly. None
// for a line drawn as it is.
std::vector<INT> squeezedAdvances(HDC dc, HFONT font, const std::wstring& text, double squeeze)
{
    if (squeeze >= 1 || text.empty()) return {};
    std::vector<INT> ends(text.size());
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentExPointW(dc, text.c_str(), int(text.size()), 0, nullptr, ends.data(), &size);
    SelectObject(dc, old);
    std::vector<INT> advances(text.size());
    long previous = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const long end = std::lround(ends[i] * squeeze);
        advances[i] = INT(end - previous);
        previous = end;
    }
    return advances;
}

struct Canvas {
    HDC dc;
    HBITMAP bitmap;
};

// A memory bitmap of the screen's kind, all background, selected into its
// own DC with no brush, ready for lines, outlines and text.
Canvas createCanvas(HWND window, SIZE size, COLORREF background, HGDIOBJ& oldBitmap)
{
    HDC screen = GetDC(window);
    Canvas c{CreateCompatibleDC(screen), CreateCompatibleBitmap(screen, size.cx, size.cy)};
    ReleaseDC(window, screen);
    oldBitmap = SelectObject(c.dc, c.bitmap);
    const RECT all{0, 0, size.cx, size.cy};
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(c.dc, &all, brush);
    DeleteObject(brush);
    SelectObject(c.dc, GetStockObject(NULL_BRUSH));
    SetBkMode(c.dc, TRANSPARENT);
    return c;
}

} // namespace

GdiSurface::GdiSurface(HWND window, COLORREF background, SIZE size, DeviceScale scale)
    : window_(window), scale_(scale), size_(size), background_(background)
{
    const Canvas c = createCanvas(window, size, background_, oldBitmap_);
    dc_ = c.dc;
    bitmap_ = c.bitmap;
}

GdiSurface::~GdiSurface()
{
    if (oldPen_) SelectObject(dc_, oldPen_);
    if (pen_) DeleteObject(pen_);
    SelectObject(dc_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
    deleteFonts();
}

void GdiSurface::deleteFonts()
{
    for (HFONT& f : fonts_) {
        if (f) DeleteObject(f);
        f = nullptr;
    }
}

void GdiSurface::createFonts()
{
    for (std::size_t i = 0; i < looks_.size(); ++i)
        if (looks_[i] && !looks_[i]->image) fonts_[i] = createFont(looks_[i]->font, scale_);
}

void GdiSurface::selectPen(COLORREF colour)
{
    const int width = scale_.penWidth(penWidth_);
    if (pen_ && colour == penColour_ && width == penWidthSelected_) return;
    HPEN pen = CreatePen(PS_SOLID, width, colour);
    const HGDIOBJ previous = SelectObject(dc_, pen);
    if (!oldPen_) oldPen_ = previous;
    if (pen_) DeleteObject(pen_);
    pen_ = pen;
    penColour_ = colour;
    penWidthSelected_ = width;
}

void GdiSurface::touch(RECT rect)
{
    if (IsRectEmpty(&dirty_)) {
        dirty_ = rect;
        return;
    }
    UnionRect(&dirty_, &dirty_, &rect);
}

void GdiSurface::drawLine(float x1, float y1, float x2, float y2, COLORREF colour)
{
    const int ax = px(x1), ay = px(y1), bx = px(x2), by = px(y2);
    // A thin level or upright line is a row or a column of layout pixels:
    // those from the start up to the end, which GDI leaves out. Filled as
    // the scaled blocks of those pixels, it has no gaps at 125 % either.
    if (penWidth_ == 1 && (ay == by) != (ax == bx)) {
        RECT cells = ay == by ? RECT{std::min(ax, bx + 1), ay, std::max(ax + 1, bx), ay + 1}
                              : RECT{ax, std::min(ay, by + 1), ax + 1, std::max(ay + 1, by)};
        const RECT r = scale_.rect(cells.left, cells.top, cells.right, cells.bottom);
        fill(r, colour);
        touch(r);
        return;
    }
    selectPen(colour);
    MoveToEx(dc_, scale_.at(ax), scale_.at(ay), nullptr);
    LineTo(dc_, scale_.at(bx), scale_.at(by));
    const int m = penWidthSelected_ + 2;
    touch({scale_.at(std::min(ax, bx)) - m, scale_.at(std::min(ay, by)) - m, scale_.at(std::max(ax, bx)) + m,
           scale_.at(std::max(ay, by)) + m});
}

void GdiSurface::drawCircle(float x, float y, float radius, COLORREF colour)
{
    selectPen(colour);
    const RECT r = scale_.rect(px(x - radius), px(y - radius), px(x + radius) + 1, px(y + radius) + 1);
    Ellipse(dc_, r.left, r.top, r.right, r.bottom);
    const int m = penWidthSelected_ + 2;
    touch({r.left - m, r.top - m, r.right + m, r.bottom + m});
}

void GdiSurface::addPainted(ControlId id, const PaintedLook& look)
{
    const std::size_t i = indexOf(id);
    looks_[i] = look;
    if (fonts_[i]) DeleteObject(fonts_[i]);
    fonts_[i] = look.image ? nullptr : createFont(look.font, scale_);
}

void GdiSurface::paint(const std::vector<PaintStep>& steps, const PaintedControls& painted)
{
    for (const PaintStep& step : steps) {
        const RECT area = scale_.rect(step.area);
        if (step.control) {
            paintControl(*step.control, scale_.rect(painted.rect(*step.control)), area);
        } else {
            fill(area, background_);
            touch(area);
        }
    }
}

void GdiSurface::fill(const RECT& rect, COLORREF colour)
{
    // The DC's own brush: a run fills tens of thousands of rows, and a
    // brush made and deleted for each would cost more than the filling.
    SetDCBrushColor(dc_, colour);
    FillRect(dc_, &rect, HBRUSH(GetStockObject(DC_BRUSH)));
}

void GdiSurface::paintControl(ControlId id, RECT rect, const RECT& clip)
{
    const auto& look = looks_[indexOf(id)];
    if (!look) return;
    const int saved = SaveDC(dc_);
    IntersectClipRect(dc_, clip.left, clip.top, clip.right, clip.bottom);
    // The image's words, where the language has them instead of the bitmap.
    HFONT upright = nullptr;
    const auto measure = [&](std::string_view text) {
        if (!upright) upright = createFont(axisLabelFont, scale_);
        return double(textWidth(dc_, upright, widen(text)));
    };
    const auto turned = look->image ? axisLabelText(rect.right - rect.left, rect.bottom - rect.top,
                                                    scale_.size(axisLabelFont.pixelSize()), measure)
                                    : std::nullopt;
    if (upright) DeleteObject(upright);
    if (turned) {
        fill(rect, toColorRef(axisLabelBackground.value));
        const HFONT font = createTurnedFont(axisLabelFont, scale_);
        SelectObject(dc_, font);
        SetTextColor(dc_, toColorRef(axisLabelInk.value));
        SetBkMode(dc_, TRANSPARENT);
        SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
        const std::wstring text = widen(turned->text);
        ExtTextOutW(dc_, rect.left + int(std::lround(turned->x)), rect.top + int(std::lround(turned->y)), 0, nullptr,
                    text.c_str(), UINT(text.size()), nullptr);
        RestoreDC(dc_, saved);
        DeleteObject(font);
        touch(clip);
        return;
    }
    if (look->image) {
        HBITMAP image = look->image2x && axisLabelTwice(scale_.dpi() / 96.0) ? look->image2x : look->image;
        BITMAP size{};
        GetObjectW(image, sizeof size, &size);
        HDC source = CreateCompatibleDC(dc_);
        const HGDIOBJ old = SelectObject(source, image);
        const int w = rect.right - rect.left, h = rect.bottom - rect.top;
        if (w == size.bmWidth && h == size.bmHeight) {
            BitBlt(dc_, rect.left, rect.top, w, h, source, 0, 0, SRCCOPY);
        } else {
            SetStretchBltMode(dc_, HALFTONE);
            SetBrushOrgEx(dc_, 0, 0, nullptr);
            StretchBlt(dc_, rect.left, rect.top, w, h, source, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
        }
        SelectObject(source, old);
        DeleteDC(source);
    } else {
        HFONT font = fonts_[indexOf(id)];
        fill(rect, look->background);
        SetTextColor(dc_, toColorRef(controlText.value));
        SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
        SelectObject(dc_, font);
        const auto measure = [&](std::string_view text) { return double(textWidth(dc_, font, widen(text))); };
        const int width = rect.right - rect.left;
        for (const TextLine& line :
             labelLines(look->text, look->align, look->font.family, scale_.size(look->font.pixelSize()), width,
                        rect.bottom - rect.top, measure)) {
            const std::wstring text = widen(line.text);
            const std::vector<INT> advances = squeezedAdvances(dc_, font, text, line.squeeze);
            ExtTextOutW(dc_, rect.left + int(line.left), rect.top + line.top, 0, nullptr, text.c_str(),
                        UINT(text.size()), advances.empty() ? nullptr : advances.data());
        }
    }
    RestoreDC(dc_, saved);
    touch(clip);
}

void GdiSurface::setScale(DeviceScale scale, SIZE size)
{
    if (scale == scale_) return;
    BITMAP old{};
    GetObjectW(bitmap_, sizeof old, &old);
    HGDIOBJ previous = nullptr;
    const Canvas c = createCanvas(window_, size, background_, previous);
    // Stretched pixel for pixel, so the picture's colours stay exact.
    SetStretchBltMode(c.dc, COLORONCOLOR);
    StretchBlt(c.dc, 0, 0, old.bmWidth * scale.dpi() / scale_.dpi(), old.bmHeight * scale.dpi() / scale_.dpi(), dc_, 0,
               0, old.bmWidth, old.bmHeight, SRCCOPY);

    if (oldPen_) SelectObject(dc_, oldPen_);
    if (pen_) DeleteObject(pen_);
    pen_ = nullptr;
    oldPen_ = nullptr;
    SelectObject(dc_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
    dc_ = c.dc;
    bitmap_ = c.bitmap;
    oldBitmap_ = previous;

    scale_ = scale;
    size_ = size;
    deleteFonts();
    createFonts();
    touch({0, 0, size.cx, size.cy});
}

void GdiSurface::setOrigin(POINT origin)
{
    if (origin.x == origin_.x && origin.y == origin_.y) return;
    origin_ = origin;
    InvalidateRect(window_, nullptr, FALSE);
}

void GdiSurface::flush()
{
    if (IsRectEmpty(&dirty_)) return;
    OffsetRect(&dirty_, origin_.x, origin_.y);
    InvalidateRect(window_, &dirty_, FALSE);
    dirty_ = RECT{};
    UpdateWindow(window_);
}

void GdiSurface::paint(HDC target, const RECT& area) const
{
    // Around a drawing placed off the window's corner, the background.
    const RECT drawing{origin_.x, origin_.y, origin_.x + size_.cx, origin_.y + size_.cy};
    RECT shown{};
    IntersectRect(&shown, &area, &drawing);
    if (!EqualRect(&shown, &area)) {
        HBRUSH brush = CreateSolidBrush(background_);
        FillRect(target, &area, brush);
        DeleteObject(brush);
    }
    if (IsRectEmpty(&shown)) return;
    BitBlt(target, shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top, dc_,
           shown.left - origin_.x, shown.top - origin_.y, SRCCOPY);
}

} // namespace tavrolin::win32
