#include "GdiSurface.h"

#include <algorithm>
#include <cmath>

namespace tavrolin::win32 {

namespace {

// GDI works in whole pixels; equal coordinates always give equal pixels.
int px(float v) { return int(std::lround(v)); }

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

void GdiSurface::addPainted(ControlId id, const PaintedControl& control)
{
    painted_[indexOf(id)] = control;
    if (control.visible) paintControl(control);
}

const PaintedControl* GdiSurface::painted(ControlId id) const
{
    const auto& slot = painted_[indexOf(id)];
    return slot ? &*slot : nullptr;
}

void GdiSurface::showPainted(ControlId id)
{
    auto& control = painted_[indexOf(id)];
    if (!control) return;
    control->visible = true;
    paintControl(*control);
}

void GdiSurface::movePainted(ControlId id, POINT topLeft)
{
    auto& control = painted_[indexOf(id)];
    if (!control) return;
    if (control->visible) {
        HBRUSH brush = CreateSolidBrush(background_);
        FillRect(dc_, &control->rect, brush);
        DeleteObject(brush);
        touch(control->rect);
    }
    OffsetRect(&control->rect, topLeft.x - control->rect.left, topLeft.y - control->rect.top);
    if (control->visible) paintControl(*control);
}

void GdiSurface::paintControl(const PaintedControl& control)
{
    RECT rect = control.rect;
    if (control.image) {
        HDC source = CreateCompatibleDC(dc_);
        const HGDIOBJ old = SelectObject(source, control.image);
        BitBlt(dc_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    } else {
        HBRUSH brush = CreateSolidBrush(control.background);
        FillRect(dc_, &rect, brush);
        DeleteObject(brush);
        const HGDIOBJ oldFont = SelectObject(dc_, control.font);
        SetTextColor(dc_, RGB(0, 0, 0));
        // As in the Qt window: only a label high enough for two lines wraps.
        const UINT wrap = fitsTwoLines(dc_, control.font, rect) ? DT_WORDBREAK : 0;
        DrawTextW(dc_, control.text.c_str(), int(control.text.size()), &rect, control.format | wrap | DT_NOPREFIX | DT_TOP);
        SelectObject(dc_, oldFont);
    }
    touch(control.rect);
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
