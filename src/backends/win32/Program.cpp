#include "Program.h"

#include "QuestionBox.h"
#include "Text.h"
#include "window/Layout.h"

#include <algorithm>
#include <array>

namespace tavrolin::win32 {

namespace {

// Posted to the window once a handler has returned and input is held.
constexpr UINT deliverHeldInput = WM_APP + 1;

} // namespace

Program::Program(HINSTANCE instance) : toolkit_(built_), mainWindow_(toolkit_), queue_(mainWindow_)
{
    registerWindowClass(instance, &Program::wndProc);
    buildWindow(built_, instance, this);
    toolkit_.setClickHandlerRunner([this](ControlId id) { mainWindow_.runHandler(id, Event::Click); });
    queue_.onHandlerDone([this] {
        if (built_.surface) built_.surface->flush();
        toolkit_.handlerDone();
    });
    queue_.onClose([this] { DestroyWindow(built_.window); });
    queue_.onHeldInputWaiting([this] { PostMessageW(built_.window, deliverHeldInput, 0, 0); });
    toolkit_.setHoldInput([this](const MSG& msg) { return holdInput(msg); });
    toolkit_.setCloseWindow([this] { queue_.closeAfterHandler(); });
}

bool Program::load()
{
    post(ControlId::Tavrolin, Event::Load);
    return !queue_.failed();
}

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
    return exitStatus_;
}

void Program::dispatch(MSG& msg)
{
    // The dialog manager gives Tab, the arrow keys in option groups and
    // Enter their dialog meaning.
    if (built_.window && IsDialogMessageW(built_.window, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

bool Program::holdInput(const MSG& msg)
{
    if (!queue_.holdsInput() || !isUserInput(msg.message) || !built_.window) return false;
    if (msg.hwnd != built_.window && !IsChild(built_.window, msg.hwnd)) return false;
    // The dialog manager reads Shift for Shift+Tab from the keyboard state,
    // which moves on as messages leave the queue: keep it with the message.
    std::array<BYTE, 256> keys{};
    GetKeyboardState(keys.data());
    queue_.hold([this, held = msg, keys]() mutable {
        SetKeyboardState(keys.data());
        dispatch(held);
    });
    return true;
}

void Program::post(ControlId control, Event event)
{
    if (auto failure = queue_.post(control, event)) {
        showFailureBox(built_.window, failure->number(), widen(failure->description()), widen(windowLayout().title));
        exitStatus_ = 1;
        DestroyWindow(built_.window);
    }
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

LRESULT Program::handle(UINT message, WPARAM wParam, LPARAM lParam)
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
        SetTextColor(dc, RGB(0, 0, 0));
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
        if (queue_.holdsInput()) {
            queue_.hold([hwnd] { SendMessageW(hwnd, WM_CLOSE, 0, 0); });
            return 0;
        }
        DestroyWindow(hwnd);
        return 0;
    case WM_DPICHANGED: {
        // Moved to a screen of another scale (Windows 10): take it, and the
        // size Windows suggests for the window there.
        rescaleWindow(built_, LOWORD(wParam));
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case deliverHeldInput:
        queue_.deliverHeldInput();
        return 0;
    case WM_DESTROY:
        queue_.windowClosed();
        PostQuitMessage(exitStatus_);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Program::onCommand(WPARAM wParam, LPARAM lParam)
{
    HWND from = HWND(lParam);
    ControlId id;
    // Enter in the dialog manager arrives as IDOK: it presses the focused
    // command button, and nothing else.
    if (LOWORD(wParam) == IDOK && !from) {
        if (built_.controlOf(GetFocus(), id) && layoutOf(id).kind == ControlKind::CommandButton) post(id, Event::Click);
        return;
    }
    if (HIWORD(wParam) != BN_CLICKED) return;
    if (from && built_.controlOf(from, id) && mainWindow_.handles(id, Event::Click)) post(id, Event::Click);
}

void Program::onScroll(HWND bar, int request, int thumb)
{
    ControlId id;
    if (!built_.controlOf(bar, id)) return;
    const ScrollRange& r = windowLayout().scroll;
    const int old = GetScrollPos(bar, SB_CTL);
    int value = old;
    switch (request) {
    case SB_LINELEFT: value -= r.smallChange; break;
    case SB_LINERIGHT: value += r.smallChange; break;
    case SB_PAGELEFT: value -= r.largeChange; break;
    case SB_PAGERIGHT: value += r.largeChange; break;
    case SB_LEFT: value = r.minimum; break;
    case SB_RIGHT: value = r.maximum; break;
    case SB_THUMBPOSITION: value = thumb; break; // a dragged thumb counts when released
    default: return;
    }
    value = std::clamp(value, r.minimum, r.maximum);
    if (value == old) return;
    SetScrollPos(bar, SB_CTL, value, TRUE);
    post(id, Event::Change);
}

} // namespace tavrolin::win32
