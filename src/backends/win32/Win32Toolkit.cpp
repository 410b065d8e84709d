#include "Win32Toolkit.h"

#include "Conversions.h"
#include "QuestionBox.h"
#include "Text.h"
#include "surface/Failure.h"
#include "window/Layout.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace tavrolin::win32 {

Win32Toolkit::Win32Toolkit(BuiltWindow& window)
    : built_(window), wait_([this](std::chrono::nanoseconds d) { waitAnsweringDesktop(d); })
{
}

HWND Win32Toolkit::control(ControlId id, const wchar_t* windowClass, const char* what) const
{
    HWND hwnd = built_.controls[indexOf(id)];
    wchar_t actual[32] = {};
    if (hwnd) GetClassNameW(hwnd, actual, 32);
    if (!hwnd || _wcsicmp(actual, windowClass) != 0)
        throw Failure(error::toolkit, "Ovládací prvek " + std::string(controlName(id)) + " není " + what + ".");
    return hwnd;
}

COLORREF Win32Toolkit::colourOf(std::optional<Colour> colour) const
{
    const Colour c = colour.value_or(windowLayout().foreground);
    if (!c.isSystem()) return toColorRef(c.value);
    if (c.systemIndex() > 30) throw Failure(error::toolkit, "Neznámá systémová barva.");
    return GetSysColor(int(c.systemIndex()));
}

void Win32Toolkit::setPenWidth(std::int16_t width)
{
    if (width < 1) throw Failure(error::toolkit, "Neplatná šířka pera " + std::to_string(width) + ".");
    built_.surface->setPenWidth(width);
}

void Win32Toolkit::drawLine(float x1, float y1, float x2, float y2, std::optional<Colour> colour)
{
    built_.surface->drawLine(x1, y1, x2, y2, colourOf(colour));
}

void Win32Toolkit::drawCircle(float x, float y, float radius, std::optional<Colour> colour)
{
    built_.surface->drawCircle(x, y, radius, colourOf(colour));
}

std::string Win32Toolkit::getText(ControlId field)
{
    HWND edit = control(field, L"EDIT", "textové pole");
    std::wstring text(std::size_t(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(edit, text.data(), int(text.size()))));
    return narrow(text);
}

void Win32Toolkit::setText(ControlId field, std::string_view text)
{
    SetWindowTextW(control(field, L"EDIT", "textové pole"), widen(text).c_str());
}

void Win32Toolkit::selectOption(ControlId button)
{
    HWND radio = control(button, L"BUTTON", "přepínač");
    if (SendMessageW(radio, BM_GETCHECK, 0, 0) == BST_CHECKED) return;
    // BM_SETCHECK leaves the other buttons of the frame as they are.
    const ControlId frame = layoutOf(button).container;
    for (const ControlRow& c : layout())
        if (c.kind == ControlKind::OptionButton && c.container == frame && c.id != button)
            SendMessageW(built_.controls[indexOf(c.id)], BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
    if (runClickHandler_) runClickHandler_(button);
}

std::int16_t Win32Toolkit::getScrollValue(ControlId scrollBar)
{
    return std::int16_t(GetScrollPos(control(scrollBar, L"SCROLLBAR", "posuvník"), SB_CTL));
}

void Win32Toolkit::showControl(ControlId id)
{
    if (built_.surface->paints(id)) {
        built_.surface->showPainted(id);
        return;
    }
    if (HWND hwnd = built_.controls[indexOf(id)]) {
        ShowWindow(hwnd, SW_SHOW);
        return;
    }
    throw Failure(error::toolkit, "Ovládací prvek " + std::string(controlName(id)) + " neexistuje.");
}

void Win32Toolkit::moveControl(ControlId id, float left, float top)
{
    const POINT at{LONG(std::lround(left)), LONG(std::lround(top))};
    if (built_.surface->paints(id)) {
        built_.surface->movePainted(id, at);
        return;
    }
    if (HWND hwnd = built_.controls[indexOf(id)]) {
        built_.layoutTopLeft[indexOf(id)] = at;
        const RECT r = placeOf(built_, layoutOf(id), at.x, at.y);
        SetWindowPos(hwnd, nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    throw Failure(error::toolkit, "Ovládací prvek " + std::string(controlName(id)) + " neexistuje.");
}

// Closes once the running handler has returned, as the title bar's close
// button does.
void Win32Toolkit::closeWindow()
{
    if (closeWindow_)
        closeWindow_();
    else
        PostMessageW(built_.window, WM_CLOSE, 0, 0);
}

Answer Win32Toolkit::askYesNo(std::string_view prompt)
{
    built_.surface->flush();
    deadlines_.start();
    switch (askCzechYesNo(built_.window, widen(prompt), widen(windowLayout().title))) {
    case IDYES:
        return Answer::Yes;
    case IDNO:
        return Answer::No;
    default:
        return Answer::Other;
    }
}

std::string Win32Toolkit::textFromInteger(std::int16_t value) { return win32::textFromInteger(value); }
std::string Win32Toolkit::textFromReal(double value) { return win32::textFromReal(value, userLocale()); }
double Win32Toolkit::numberFromText(std::string_view text) { return win32::numberFromText(text, userLocale()); }

void Win32Toolkit::pause(std::chrono::nanoseconds duration)
{
    built_.surface->flush();
    ++stepsShown_;
    // The pause ends at the step's deadline: the step's drawing and flush
    // come out of it, so that steps are evenly spaced.
    using namespace std::chrono;
    const auto now = duration_cast<nanoseconds>(steady_clock::now().time_since_epoch());
    wait_(std::max(nanoseconds{0}, deadlines_.next(now, duration) - now));
}

bool isUserInput(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

void Win32Toolkit::waitAnsweringDesktop(std::chrono::nanoseconds duration)
{
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + duration;
    for (;;) {
        // Clicks and keys, in the order they came, are taken out of the queue
        // and held; the system's would throw them away for a window behind
        // the question box. Clicks on the title bar stay queued for after
        // the run, as the system's move and close loops would stop the run.
        // Looking at the queue also keeps Windows from marking the window as
        // not responding.
        MSG msg;
        while (holdInput_ && PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_INPUT) &&
               isUserInput(msg.message)) {
            PeekMessageW(&msg, msg.hwnd, msg.message, msg.message, PM_REMOVE | PM_QS_INPUT);
            if (!holdInput_(msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT | PM_QS_SENDMESSAGE))
            DispatchMessageW(&msg);
        const auto left = deadline - steady_clock::now();
        if (left <= nanoseconds{0}) return;
        // Sleep in whole milliseconds, the last one by yielding, so that
        // the pause neither overshoots nor spins.
        const auto ms = duration_cast<milliseconds>(left).count();
        if (ms >= 2)
            MsgWaitForMultipleObjectsEx(0, nullptr, DWORD(std::min<long long>(ms - 1, 16)), QS_PAINT | QS_SENDMESSAGE, 0);
        else
            Sleep(0);
    }
}

} // namespace tavrolin::win32
