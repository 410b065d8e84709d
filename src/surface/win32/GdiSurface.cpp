#include "GdiSurface.h"

#include <algorithm>
#include <cmath>

namespace tavrolin::win32 {

namespace {

// GDI works in whole pixels; equal coordinates always give equal pixels.
int px(float v) { return int(std::lround(v)); }

RECT winRect(const PixelRect& r) { return {r.left, r.top, r.left + r.width, r.top + r.height}; }

bool fitsTwoLines(HDC dc, HFONT font, const RECT& rect)
{
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    return rect.bottom - rect.top >= 2 * tm.tmHeight;
}

} // namespace

GdiSurface::GdiSurface(HWND window, COLORREF background, SIZE size) : window_(window), background_(background)
{
    HDC screen = GetDC(window);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, size.cx, size.cy);
    ReleaseDC(window, screen);
    oldBitmap_ = SelectObject(dc_, bitmap_);
    RECT all{0, 0, size.cx, size.cy};
    HBRUSH brush = CreateSolidBrush(background_);
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
    SelectObject(dc_, GetStockObject(NULL_BRUSH));
    SetBkMode(dc_, TRANSPARENT);
}

GdiSurface::~GdiSurface()
{
    if (oldPen_) SelectObject(dc_, oldPen_);
    if (pen_) DeleteObject(pen_);
    SelectObject(dc_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void GdiSurface::selectPen(COLORREF colour)
{
    if (pen_ && colour == penColour_ && penWidth_ == penWidthSelected_) return;
    HPEN pen = CreatePen(PS_SOLID, penWidth_, colour);
    const HGDIOBJ previous = SelectObject(dc_, pen);
    if (!oldPen_) oldPen_ = previous;
    if (pen_) DeleteObject(pen_);
    pen_ = pen;
    penColour_ = colour;
    penWidthSelected_ = penWidth_;
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
    selectPen(colour);
    MoveToEx(dc_, px(x1), px(y1), nullptr);
    LineTo(dc_, px(x2), px(y2));
    const int m = penWidth_ + 2;
    touch({std::min(px(x1), px(x2)) - m, std::min(px(y1), px(y2)) - m, std::max(px(x1), px(x2)) + m,
           std::max(px(y1), px(y2)) + m});
}

void GdiSurface::drawCircle(float x, float y, float radius, COLORREF colour)
{
    selectPen(colour);
    const RECT r{px(x - radius), px(y - radius), px(x + radius) + 1, px(y + radius) + 1};
    Ellipse(dc_, r.left, r.top, r.right, r.bottom);
    const int m = penWidth_ + 2;
    touch({r.left - m, r.top - m, r.right + m, r.bottom + m});
}

void GdiSurface::addPainted(ControlId id, const PaintedLook& look)
{
    looks_[indexOf(id)] = look;
    if (painted_.visible(id)) paintControl(id, winRect(painted_.rect(id)));
}

void GdiSurface::showPainted(ControlId id) { paint(painted_.show(id)); }

void GdiSurface::movePainted(ControlId id, POINT topLeft) { paint(painted_.move(id, topLeft.x, topLeft.y)); }

void GdiSurface::paint(const std::vector<PaintStep>& steps)
{
    for (const PaintStep& step : steps) {
        const RECT area = winRect(step.area);
        if (step.control) {
            paintControl(*step.control, area);
        } else {
            fill(area, background_);
            touch(area);
        }
    }
}

void GdiSurface::fill(const RECT& rect, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc_, &rect, brush);
    DeleteObject(brush);
}

void GdiSurface::paintControl(ControlId id, const RECT& clip)
{
    const auto& look = looks_[indexOf(id)];
    if (!look) return;
    RECT rect = winRect(painted_.rect(id));
    const int saved = SaveDC(dc_);
    IntersectClipRect(dc_, clip.left, clip.top, clip.right, clip.bottom);
    if (look->image) {
        HDC source = CreateCompatibleDC(dc_);
        const HGDIOBJ old = SelectObject(source, look->image);
        BitBlt(dc_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    } else {
        fill(rect, look->background);
        SelectObject(dc_, look->font);
        SetTextColor(dc_, RGB(0, 0, 0));
        // As in the Qt window: only a label high enough for two lines wraps.
        const UINT wrap = fitsTwoLines(dc_, look->font, rect) ? DT_WORDBREAK : 0;
        DrawTextW(dc_, look->text.c_str(), int(look->text.size()), &rect, look->format | wrap | DT_NOPREFIX | DT_TOP);
    }
    RestoreDC(dc_, saved);
    touch(clip);
}

void GdiSurface::flush()
{
    if (IsRectEmpty(&dirty_)) return;
    InvalidateRect(window_, &dirty_, FALSE);
    dirty_ = RECT{};
    UpdateWindow(window_);
}

void GdiSurface::paint(HDC target, const RECT& area) const
{
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_, area.left, area.top,
           SRCCOPY);
}

} // namespace tavrolin::win32
