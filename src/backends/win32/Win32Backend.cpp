#include "Win32Backend.h"

#include "QuestionBox.h"
#include "Text.h"

#include <algorithm>
#include <chrono>

namespace tavrolin::win32 {

Win32Backend::Win32Backend(BuiltWindow& window)
    : built_(window), wait_([this](std::chrono::nanoseconds d) { waitAnsweringDesktop(d); })
{
}

void Win32Backend::drawLine(float x1, float y1, float x2, float y2, Colour colour, int penWidth)
{
    built_.surface->setPenWidth(penWidth);
    built_.surface->drawLine(x1, y1, x2, y2, toColorRef(colour.value));
}

void Win32Backend::drawCircle(float x, float y, float radius, Colour colour, int penWidth)
{
    built_.surface->setPenWidth(penWidth);
    built_.surface->drawCircle(x, y, radius, toColorRef(colour.value));
}

void Win32Backend::paint(const std::vector<PaintStep>& steps, const PaintedControls& painted)
{
    built_.surface->paint(steps, painted);
}

void Win32Backend::flush()
{
    if (built_.surface) built_.surface->flush();
}

Colour Win32Backend::buttonFace()
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return rgb(GetRValue(face), GetGValue(face), GetBValue(face));
}

std::string Win32Backend::text(ControlId field)
{
    HWND edit = control(field);
    std::wstring text(std::size_t(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(edit, text.data(), int(text.size()))));
    return narrow(text);
}

void Win32Backend::setText(ControlId field, std::string_view text)
{
    SetWindowTextW(control(field), widen(text).c_str());
}

bool Win32Backend::checked(ControlId button) { return SendMessageW(control(button), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Win32Backend::setChecked(ControlId button, bool checked)
{
    SendMessageW(control(button), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int Win32Backend::scrollValue(ControlId scrollBar) { return GetScrollPos(control(scrollBar), SB_CTL); }

void Win32Backend::focus(ControlId id)
{
    // As the dialog manager does: focus rectangles show from now on, and a
    // field's text is selected for typing over.
    SendMessageW(built_.window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    SetFocus(control(id));
    if (layoutOf(id).kind == ControlKind::TextField) SendMessageW(control(id), EM_SETSEL, 0, -1);
}

void Win32Backend::showControl(ControlId id) { ShowWindow(control(id), SW_SHOW); }

void Win32Backend::moveControl(ControlId id, int left, int top)
{
    built_.layoutTopLeft[indexOf(id)] = POINT{left, top};
    const RECT r = placeOf(built_, layoutOf(id), left, top);
    SetWindowPos(control(id), nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Backend::waitUntil(Time deadline) { wait_(std::max(Time{0}, deadline - now())); }

Answer Win32Backend::askYesNo(const Question& question)
{
    switch (askQuestion(built_.window, question)) {
    case IDYES:
        return Answer::Yes;
    case IDNO:
        return Answer::No;
    default:
        return Answer::Other;
    }
}

void Win32Backend::showFailure(std::string_view title, std::string_view text)
{
    MessageBoxW(built_.window, widen(text).c_str(), widen(title).c_str(), MB_OK | MB_ICONERROR);
}

std::string Win32Backend::decimalSeparator()
{
    wchar_t separator[8] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) <= 1) return ".";
    return narrow(separator);
}

void Win32Backend::scheduleHeldInput() { PostMessageW(built_.window, deliverHeldInputMessage, 0, 0); }

void Win32Backend::close(int exitStatus)
{
    exitStatus_ = exitStatus;
    if (built_.window) DestroyWindow(built_.window);
}

void Win32Backend::showReadout(const Readout& readout)
{
    if (!readout_) readout_ = std::make_unique<ReadoutWindow>(built_);
    readout_->show(readout);
}

void Win32Backend::hideReadout()
{
    if (readout_) readout_->hide();
}

// The core asks again only while it has none.
bool Win32Backend::startSound()
{
    auto tone = std::make_unique<ToneOutput>();
    if (!tone->start()) return false;
    tone_ = std::move(tone);
    return true;
}

void Win32Backend::tone(double hz, double loudness)
{
    if (tone_) tone_->set(hz, loudness);
}

bool isUserInput(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

void Win32Backend::waitAnsweringDesktop(std::chrono::nanoseconds duration)
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
        while (holdInput_ && PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_INPUT) && isUserInput(msg.message)) {
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
            MsgWaitForMultipleObjectsEx(0, nullptr, DWORD(std::min<long long>(ms - 1, 16)), QS_PAINT | QS_SENDMESSAGE,
                                        0);
        else
            Sleep(0);
    }
}

} // namespace tavrolin::win32
