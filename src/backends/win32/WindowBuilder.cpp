#include "WindowBuilder.h"

#include "CaptionFrame.h"
#include "DpiAwareness.h"
#include "Fonts.h"
#include "Text.h"
#include "layout/LabelText.h"
#include "layout/Layout.h"
#include "layout/SceneFit.h"
#include "text/Catalogue.h"

#include <algorithm>

namespace tavrolin::win32 {

namespace {

constexpr wchar_t className[] = L"TavrolinWindow";

constexpr DWORD windowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

FontStyle fontOf(const ControlRow& c) { return c.font.value_or(windowLayout().defaultFont); }

void setFont(BuiltWindow& built, std::size_t slot, HWND hwnd, const FontStyle& font)
{
    HFONT old = built.fonts[slot];
    built.fonts[slot] = createFont(font, built.scale);
    SendMessageW(hwnd, WM_SETFONT, WPARAM(built.fonts[slot]), TRUE);
    if (old) DeleteObject(old);
}

// A text field shows its caption whole at every scale. Where the screen's
// font makes it wider than the field's text area, the blank margins beside
// the text give way first, down to a pixel; what is still missing, the font
// gives, drawn narrower.
void fitFieldCaption(BuiltWindow& built, std::size_t slot, HWND field, const ControlRow& c)
{
    // The margins the font asks for, as the field had them at its first
    // scale, unless the caption needs them.
    SendMessageW(field, EM_SETMARGINS, EC_USEFONTINFO, 0);
    RECT area{}, client{};
    SendMessageW(field, EM_GETRECT, 0, LPARAM(&area));
    GetClientRect(field, &client);
    const std::wstring caption = widen(tr(c.caption));
    HDC dc = GetDC(field);
    const int text = textWidth(dc, built.fonts[slot], caption);
    if (squeezeToFit(text, area.right - area.left) < 1) {
        const int room = client.right - client.left;
        const int margin = std::max(1, (room - text) / 2);
        SendMessageW(field, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
        if (squeezeToFit(text, room - 2 * margin) < 1) {
            HFONT old = built.fonts[slot];
            built.fonts[slot] = narrowedFont(dc, fontOf(c), built.scale, old, caption, room - 2 * margin);
            SendMessageW(field, WM_SETFONT, WPARAM(built.fonts[slot]), TRUE);
            SendMessageW(field, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
            DeleteObject(old);
        }
    }
    ReleaseDC(field, dc);
}

struct ClassAndStyle {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
};

ClassAndStyle classFor(const ControlRow& c)
{
    switch (c.kind) {
    case ControlKind::ScrollBar:
        return {L"SCROLLBAR", SBS_HORZ, 0};
    case ControlKind::TextField:
        return {L"EDIT", ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE};
    case ControlKind::CommandButton:
        return {L"BUTTON", BS_PUSHBUTTON, 0};
    case ControlKind::OptionButton:
        return {L"BUTTON", BS_AUTORADIOBUTTON, 0};
    default:
        return {nullptr, 0, 0};
    }
}

} // namespace

COLORREF toColorRef(unsigned v) { return RGB(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

BuiltWindow::~BuiltWindow()
{
    surface.reset();
    if (window) {
        // The program that answered the window's messages is going away.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
    for (HBRUSH b : brushes)
        if (b) DeleteObject(b);
    for (HFONT f : fonts)
        if (f) DeleteObject(f);
    if (axisLabel) DeleteObject(axisLabel);
    if (axisLabel2x) DeleteObject(axisLabel2x);
}

bool BuiltWindow::controlOf(HWND hwnd, ControlId& id) const
{
    const int n = GetDlgCtrlID(hwnd) - firstControlId;
    if (n <= 0 || n >= int(controlCount) || controls[std::size_t(n)] != hwnd) return false;
    id = ControlId(n);
    return true;
}

void registerWindowClass(HINSTANCE instance, WNDPROC wndProc)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = wndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(iconResource));
    wc.hIconSm = wc.hIcon;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.lpszClassName = className;
    RegisterClassExW(&wc);
    registerCaptionFrameClass(instance);
}

RECT placeOf(const BuiltWindow& built, const ControlRow& c, int left, int top)
{
    const PixelRect r =
        placeControl(c, left, top, {built.origin.x, built.origin.y}, [&](int v) { return built.scale.at(v); });
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

namespace {

// The drawing covers the largest client area the window can have.
SIZE canvasSize(const DeviceScale& scale)
{
    return {std::max(scale.at(sceneWidth), GetSystemMetrics(SM_CXVIRTUALSCREEN)),
            std::max(scale.at(sceneHeight), GetSystemMetrics(SM_CYVIRTUALSCREEN))};
}

void resizeToLayout(const BuiltWindow& built)
{
    const WindowLayout& ws = windowLayout();
    const RECT frame =
        frameAround(built.scale.rect(0, 0, ws.clientWidth, ws.clientHeight), windowStyle, built.scale.dpi());
    SetWindowPos(built.window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

void rescaleWindow(BuiltWindow& built, int dpi, POINT origin)
{
    const DeviceScale scale(dpi);
    if (scale == built.scale && origin.x == built.origin.x && origin.y == built.origin.y) return;
    built.scale = scale;
    built.origin = origin;
    setFont(built, indexOf(ControlId::Tavrolin), built.window, windowLayout().defaultFont);
    for (const ControlRow& c : layout()) {
        HWND hwnd = built.controls[indexOf(c.id)];
        if (!hwnd) continue;
        setFont(built, indexOf(c.id), hwnd, fontOf(c));
        if (c.kind == ControlKind::Frame) setCaptionFrameDpi(hwnd, dpi);
        const POINT at = built.layoutTopLeft[indexOf(c.id)];
        const RECT r = placeOf(built, c, at.x, at.y);
        SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
        if (c.kind == ControlKind::TextField) fitFieldCaption(built, indexOf(c.id), hwnd, c);
    }
    built.surface->setScale(scale, canvasSize(scale));
    built.surface->setOrigin(origin);
    InvalidateRect(built.window, nullptr, FALSE);
}

void buildWindow(BuiltWindow& built, HINSTANCE instance, void* creationParameter)
{
    const WindowLayout& ws = windowLayout();
    built.window =
        CreateWindowExW(0, className, widen(windowCaption()).c_str(), windowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                        ws.clientWidth, ws.clientHeight, nullptr, nullptr, instance, creationParameter);
    if (!built.window) return;
    // Only now is it known on which screen the window opens.
    built.scale = DeviceScale(dpiOfWindow(built.window));
    resizeToLayout(built);

    built.surface = std::make_unique<GdiSurface>(built.window, toColorRef(ws.background.value), canvasSize(built.scale),
                                                 built.scale);
    built.axisLabel = HBITMAP(LoadImageW(instance, MAKEINTRESOURCEW(axisLabelResource), IMAGE_BITMAP, 0, 0, 0));
    built.axisLabel2x = HBITMAP(LoadImageW(instance, MAKEINTRESOURCEW(axisLabel2xResource), IMAGE_BITMAP, 0, 0, 0));
    setFont(built, indexOf(ControlId::Tavrolin), built.window, ws.defaultFont);

    // Creation order is tab order; controls outside it come last.
    std::vector<const ControlRow*> order;
    for (const ControlRow& c : layout())
        order.push_back(&c);
    std::ranges::stable_sort(order, {}, [](const ControlRow* c) { return c->tabIndex < 0 ? 1000 : c->tabIndex; });

    ControlId previousFrame = ControlId::Tavrolin;
    for (const ControlRow* c : order) {
        const std::size_t i = indexOf(c->id);
        built.backgrounds[i] = toColorRef(c->background.value);
        if (c->kind == ControlKind::Label || c->kind == ControlKind::Image) {
            PaintedLook p;
            p.text = std::string(tr(c->caption));
            p.font = fontOf(*c);
            p.align = c->align;
            p.background = built.backgrounds[i];
            if (c->kind == ControlKind::Image) {
                p.image = built.axisLabel;
                p.image2x = built.axisLabel2x;
            }
            built.surface->addPainted(c->id, p);
            continue;
        }
        const int controlId = firstControlId + int(i);
        built.brushes[i] = CreateSolidBrush(built.backgrounds[i]);
        HWND parent = c->container == ControlId::Tavrolin ? built.window : built.controls[indexOf(c->container)];
        HWND hwnd = nullptr;
        const RECT place = placeOf(built, *c, c->left, c->top);
        if (c->kind == ControlKind::Frame) {
            hwnd = createCaptionFrame(parent, widen(tr(c->caption)).c_str(), place, controlId, built.brushes[i],
                                      c->visibleAtStart, instance);
        } else {
            const ClassAndStyle cs = classFor(*c);
            DWORD childStyle = WS_CHILD | cs.style;
            if (c->visibleAtStart) childStyle |= WS_VISIBLE;
            // A group of option buttons is one tab stop (the button control
            // keeps WS_TABSTOP on the checked one); every other control
            // starts a group of its own.
            const bool option = c->kind == ControlKind::OptionButton;
            const bool firstOfGroup = !option || c->container != previousFrame;
            if (firstOfGroup) childStyle |= WS_GROUP;
            if (c->tabStop && firstOfGroup) childStyle |= WS_TABSTOP;
            previousFrame = option ? c->container : ControlId::Tavrolin;
            hwnd = CreateWindowExW(cs.exStyle, cs.windowClass, widen(tr(c->caption)).c_str(), childStyle, place.left,
                                   place.top, place.right - place.left, place.bottom - place.top, parent,
                                   HMENU(INT_PTR(controlId)), instance, nullptr);
        }
        built.controls[i] = hwnd;
        built.layoutTopLeft[i] = {c->left, c->top};
        setFont(built, i, hwnd, fontOf(*c));
        if (c->kind == ControlKind::TextField) fitFieldCaption(built, i, hwnd, *c);
        if (c->kind == ControlKind::ScrollBar) {
            const ScrollRange& r = ws.scroll;
            SCROLLINFO si{sizeof si, SIF_RANGE | SIF_POS | SIF_PAGE, r.minimum, r.maximum, 0, r.value, 0};
            SetScrollInfo(hwnd, SB_CTL, &si, FALSE);
        }
    }
}

} // namespace tavrolin::win32
