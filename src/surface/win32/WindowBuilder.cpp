#include "WindowBuilder.h"

#include "CaptionFrame.h"
#include "Text.h"
#include "window/Layout.h"

#include <algorithm>

namespace tavrolin::win32 {

namespace {

constexpr wchar_t className[] = L"TavrolinWindow";

const wchar_t* familyName(FontFamily family)
{
    return family == FontFamily::TimesNewRoman ? L"Times New Roman" : L"MS Sans Serif";
}

HFONT fontFor(BuiltWindow& built, const std::optional<FontSpec>& own)
{
    const FontSpec f = own.value_or(windowSpec().defaultFont);
    // Sized in pixels, as the layout is drawn for 96 dpi; the Central
    // European character set for the Czech letters.
    HFONT font = CreateFontW(-f.pixelSize(), 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                             EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, familyName(f.family));
    built.fonts.push_back(font);
    return font;
}

struct ClassAndStyle {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
};

ClassAndStyle classFor(const ControlSpec& c)
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
    for (HFONT f : fonts) DeleteObject(f);
    if (axisLabel) DeleteObject(axisLabel);
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

void buildWindow(BuiltWindow& built, HINSTANCE instance, void* creationParameter)
{
    const WindowSpec& ws = windowSpec();
    RECT frame{0, 0, ws.clientWidth, ws.clientHeight};
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    built.window = CreateWindowExW(0, className, widen(windowCaption()).c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                                   frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance,
                                   creationParameter);
    if (!built.window) return;

    const SIZE canvas{std::max(800, GetSystemMetrics(SM_CXVIRTUALSCREEN)),
                      std::max(600, GetSystemMetrics(SM_CYVIRTUALSCREEN))};
    built.surface = std::make_unique<GdiSurface>(built.window, toColorRef(ws.background.value), canvas);
    built.axisLabel = HBITMAP(LoadImageW(instance, MAKEINTRESOURCEW(axisLabelResource), IMAGE_BITMAP, 0, 0, 0));
    HFONT defaultFont = fontFor(built, std::nullopt);
    SendMessageW(built.window, WM_SETFONT, WPARAM(defaultFont), FALSE);

    // Creation order is tab order; controls outside it come last.
    std::vector<const ControlSpec*> order;
    for (const ControlSpec& c : layout()) order.push_back(&c);
    std::ranges::stable_sort(order, {}, [](const ControlSpec* c) { return c->tabIndex < 0 ? 1000 : c->tabIndex; });

    ControlId previousFrame = ControlId::Tavrolin;
    for (const ControlSpec* c : order) {
        const std::size_t i = indexOf(c->id);
        built.backgrounds[i] = toColorRef(c->background.value);
        if (c->kind == ControlKind::Label || c->kind == ControlKind::Image) {
            PaintedLook p;
            p.text = widen(c->caption);
            p.font = fontFor(built, c->font);
            p.format = c->align == TextAlign::Centre ? DT_CENTER : DT_LEFT;
            p.background = built.backgrounds[i];
            if (c->kind == ControlKind::Image) p.image = built.axisLabel;
            built.surface->addPainted(c->id, p);
            continue;
        }
        const int controlId = firstControlId + int(i);
        built.brushes[i] = CreateSolidBrush(built.backgrounds[i]);
        HWND parent = c->container == ControlId::Tavrolin ? built.window : built.controls[indexOf(c->container)];
        HWND hwnd = nullptr;
        if (c->kind == ControlKind::Frame) {
            hwnd = createCaptionFrame(parent, widen(c->caption).c_str(),
                                      {c->left, c->top, c->left + c->width, c->top + c->height}, controlId,
                                      built.brushes[i], c->visibleAtStart, instance);
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
            hwnd = CreateWindowExW(cs.exStyle, cs.windowClass, widen(c->caption).c_str(), childStyle, c->left,
                                   c->top, c->width, c->height, parent, HMENU(INT_PTR(controlId)), instance, nullptr);
        }
        built.controls[i] = hwnd;
        SendMessageW(hwnd, WM_SETFONT, WPARAM(fontFor(built, c->font)), FALSE);
        if (c->kind == ControlKind::ScrollBar) {
            const ScrollRange& r = ws.scroll;
            SCROLLINFO si{sizeof si, SIF_RANGE | SIF_POS | SIF_PAGE, r.minimum, r.maximum, 0, r.value, 0};
            SetScrollInfo(hwnd, SB_CTL, &si, FALSE);
        }
    }
}

} // namespace tavrolin::win32
