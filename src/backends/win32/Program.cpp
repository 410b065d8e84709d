#include "Program.h"

#include "Text.h"
#include "layout/Layout.h"

#include "layout/SceneFit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace tavrolin::win32 {

namespace {

bool isReadOnlyField(HWND hwnd)
{
    wchar_t name[8] = {};
    return GetClassNameW(hwnd, name, 8) && _wcsicmp(name, L"Edit") == 0 &&
           (GetWindowLongW(hwnd, GWL_STYLE) & ES_READONLY);
}

constexpr std::pair<WPARAM, Key> keys[] = {{VK_SPACE, Key::Space},   {VK_RETURN, Key::Enter},
                                           {VK_ESCAPE, Key::Escape}, {VK_TAB, Key::Tab},
                                           {VK_LEFT, Key::Left},     {VK_RIGHT, Key::Right},
                                           {VK_UP, Key::Up},         {VK_DOWN, Key::Down},
                                           {VK_PRIOR, Key::PageUp},  {VK_NEXT, Key::PageDown},
                                           {VK_HOME, Key::Home},     {VK_END, Key::End},
                                           {VK_F11, Key::F11},       {'Z', Key::Z}};

} // namespace

// A key on the control that has the focus, or the left button on the
// window's client area itself (the drawing, where no control lies) or on a
// control, in the core's terms.
std::optional<Input> Program::inputOf(const MSG& msg) const
{
    if (!built_.window || (msg.hwnd != built_.window && !IsChild(built_.window, msg.hwnd))) return std::nullopt;
    Input input;
    ControlId id;
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_KEYUP: {
        // A held key is for the control that has the focus when it is
        // handled, which clicks held before it may have moved.
        HWND focus = GetFocus();
        if (built_.controlOf(focus, id)) input.control = id;
        const auto known = std::ranges::find(keys, msg.wParam, &std::pair<WPARAM, Key>::first);
        input.key = known == std::end(keys) ? Key::Other : known->second;
        input.press = msg.message == WM_KEYDOWN;
        input.repeat = (msg.lParam & (1 << 30)) != 0;
        input.shift = GetKeyState(VK_SHIFT) < 0;
        input.shortcut = GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0 || GetKeyState(VK_LWIN) < 0 ||
                         GetKeyState(VK_RWIN) < 0;
        input.target = isReadOnlyField(focus) ? Target::Other : targetOf(input.control);
        return input;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
        input.key = Key::Pointer;
        input.press = msg.message != WM_LBUTTONUP;
        input.target = msg.hwnd == built_.window ? Target::Drawing : Target::Other;
        return input;
    default:
        return std::nullopt;
    }
}

Program::Program(HINSTANCE instance) : backend_(built_), session_(backend_)
{
    registerWindowClass(instance, &Program::wndProc);
    buildWindow(built_, instance, this);
    backend_.setHoldInput([this](const MSG& msg) { return holdInput(msg); });
    session_.onPresent([this](bool presenting) { session_.guard([&] { present(presenting); }); });
    screenDpi_ = built_.scale.dpi();
    if (built_.window) session_.toolkit().repaintPainted();
}

bool Program::load() { return session_.load(); }

void Program::show(int showCommand)
{
    ShowWindow(built_.window, showCommand == SW_SHOWMINIMIZED ? showCommand : SW_SHOWMAXIMIZED);
    UpdateWindow(built_.window);
    SetFocus(built_.controls[indexOf(ControlId::cmdStart)]);
}

int Program::run()
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        // Input that comes while older held input waits goes behind it.
        if (!holdInput(msg)) dispatch(msg);
    }
    return backend_.exitStatus();
}

void Program::dispatch(MSG& msg)
{
    if (const auto input = inputOf(msg); input && session_.carryOut(*input, Platform::Windows)) return;
    // The dialog manager keeps the rest of a dialog's keys.
    if (built_.window && IsDialogMessageW(built_.window, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

bool Program::holdInput(const MSG& msg)
{
    if (!isUserInput(msg.message) || !built_.window) return false;
    if (msg.hwnd != built_.window && !IsChild(built_.window, msg.hwnd)) return false;
    if (const auto input = inputOf(msg); input && session_.lessonTakes(*input)) return true;
    if (!session_.queue().holdsInput()) return false;
    // The dialog manager reads Shift for Shift+Tab from the keyboard state,
    // which moves on as messages leave the queue: keep it with the message.
    std::array<BYTE, 256> keys{};
    GetKeyboardState(keys.data());
    session_.queue().hold([this, held = msg, keys]() mutable {
        SetKeyboardState(keys.data());
        dispatch(held);
    });
    return true;
}

LRESULT CALLBACK Program::wndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Program*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self || !self->built_.window) return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

// Nothing may be thrown through the window procedure into the system's
// code: what a message's handling throws ends the program with the failure
// box, as a handler's failure does.
LRESULT Program::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    session_.guard([&] { result = handleMessage(message, wParam, lParam); });
    return result;
}

LRESULT Program::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hwnd = built_.window;
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // the surface paints every pixel
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (built_.surface) built_.surface->paint(dc, ps.rcPaint);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT: {
        ControlId id;
        if (!built_.controlOf(HWND(lParam), id)) break;
        HDC dc = HDC(wParam);
        SetBkColor(dc, built_.backgrounds[indexOf(id)]);
        SetTextColor(dc, toColorRef(controlText.value));
        return LRESULT(built_.brushes[indexOf(id)]);
    }
    case WM_COMMAND:
        onCommand(wParam, lParam);
        return 0;
    case WM_HSCROLL:
        onScroll(HWND(lParam), LOWORD(wParam), short(HIWORD(wParam)));
        return 0;
    case WM_CLOSE:
        // A close during a run waits for the run, like any other input.
        if (session_.mayClose(true, [hwnd] { SendMessageW(hwnd, WM_CLOSE, 0, 0); })) DestroyWindow(hwnd);
        return 0;
    case WM_DPICHANGED: {
        // Moved to a screen of another scale (Windows 10): take it, and the
        // size Windows suggests for the window there, now or after the run.
        const int dpi = LOWORD(wParam);
        const RECT suggested = *reinterpret_cast<const RECT*>(lParam);
        session_.requestFit([this, hwnd, dpi, suggested] {
            screenDpi_ = dpi;
            if (presenting_) {
                refit();
                return;
            }
            rescaleWindow(built_, screenDpi_);
            session_.toolkit().repaintUncovered();
            SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                         suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        });
        return 0;
    }
    case deliverHeldInputMessage:
        session_.queue().deliverHeldInput();
        return 0;
    case WM_DESTROY:
        session_.queue().windowClosed();
        PostQuitMessage(backend_.exitStatus());
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Program::present(bool presenting)
{
    HWND hwnd = built_.window;
    presenting_ = presenting;
    if (presenting) {
        // Without a frame, over the whole screen the window is on.
        normalStyle_ = GetWindowLongW(hwnd, GWL_STYLE);
        normalPlacement_.length = sizeof normalPlacement_;
        GetWindowPlacement(hwnd, &normalPlacement_);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT& r = monitor.rcMonitor;
        SetWindowLongW(hwnd, GWL_STYLE, normalStyle_ & ~LONG(WS_OVERLAPPEDWINDOW));
        SetWindowPos(hwnd, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    } else {
        SetWindowLongW(hwnd, GWL_STYLE, normalStyle_);
        SetWindowPlacement(hwnd, &normalPlacement_);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    }
    session_.requestFit([this] { refit(); });
}

void Program::refit()
{
    RECT client{};
    GetClientRect(built_.window, &client);
    const DpiFit fit = desktopDpiFit(presenting_, screenDpi_, client.right, client.bottom);
    rescaleWindow(built_, fit.dpi, POINT{fit.left, fit.top});
    session_.toolkit().repaintUncovered();
    built_.surface->flush();
}

void Program::onCommand(WPARAM wParam, LPARAM lParam)
{
    HWND from = HWND(lParam);
    ControlId id;
    if (HIWORD(wParam) != BN_CLICKED) return;
    if (from && built_.controlOf(from, id) && session_.window().handles(id, Event::Click)) post(id, Event::Click);
}

namespace {

// The scroll bar's requests that step it.
constexpr std::pair<int, ScrollStep> scrollSteps[] = {
    {SB_LINELEFT, ScrollStep::LineBack}, {SB_LINERIGHT, ScrollStep::LineOn}, {SB_PAGELEFT, ScrollStep::PageBack},
    {SB_PAGERIGHT, ScrollStep::PageOn},  {SB_LEFT, ScrollStep::First},       {SB_RIGHT, ScrollStep::Last}};

} // namespace

void Program::onScroll(HWND bar, int request, int thumb)
{
    ControlId id;
    if (!built_.controlOf(bar, id)) return;
    const ScrollRange& r = windowLayout().scroll;
    const int old = GetScrollPos(bar, SB_CTL);
    int value = std::clamp(thumb, r.minimum, r.maximum); // a dragged thumb counts when released
    if (request != SB_THUMBPOSITION) {
        const auto step = std::ranges::find(scrollSteps, request, &std::pair<int, ScrollStep>::first);
        if (step == std::end(scrollSteps)) return;
        value = scrolled(r, old, step->second);
    }
    if (value == old) return;
    SetScrollPos(bar, SB_CTL, value, TRUE);
    post(id, Event::Change);
}

} // namespace tavrolin::win32
