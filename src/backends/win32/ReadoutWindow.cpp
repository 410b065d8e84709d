#include "ReadoutWindow.h"

#include "Fonts.h"
#include "Text.h"

namespace tavrolin::win32 {

namespace {

constexpr wchar_t readoutClass[] = L"TavrolinReadout";

} // namespace

ReadoutWindow::~ReadoutWindow()
{
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

void ReadoutWindow::show(const Readout& readout)
{
    readout_ = readout;
    if (!hwnd_) {
        const auto instance = HINSTANCE(GetWindowLongPtrW(built_.window, GWLP_HINSTANCE));
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &ReadoutWindow::wndProc;
        wc.hInstance = instance;
        wc.lpszClassName = readoutClass;
        RegisterClassExW(&wc);
        hwnd_ = CreateWindowExW(0, readoutClass, L"", WS_CHILD, 0, 0, 0, 0, built_.window, nullptr, instance, this);
        if (!hwnd_) return;
    }
    const DeviceScale& s = built_.scale;
    const POINT o = built_.origin;
    const RECT r = s.rect(readout.left, readout.top, readout.left + readout.width, readout.top + readout.height);
    SetWindowPos(hwnd_, HWND_TOP, o.x + r.left, o.y + r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
}

void ReadoutWindow::hide()
{
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

LRESULT CALLBACK ReadoutWindow::wndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<ReadoutWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT; // a click on it is a click on the drawing
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (self) self->paint(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void ReadoutWindow::paint(HDC dc)
{
    RECT box;
    GetClientRect(hwnd_, &box);
    HBRUSH background = CreateSolidBrush(toColorRef(readoutBackground.value));
    FillRect(dc, &box, background);
    DeleteObject(background);
    const DeviceScale& s = built_.scale;
    const int border = s.penWidth(readoutBorder);
    HBRUSH ink = CreateSolidBrush(toColorRef(readoutInk.value));
    const RECT edges[] = {{0, 0, box.right, border},
                          {0, box.bottom - border, box.right, box.bottom},
                          {0, 0, border, box.bottom},
                          {box.right - border, 0, box.right, box.bottom}};
    for (const RECT& edge : edges)
        FillRect(dc, &edge, ink);
    DeleteObject(ink);
    HFONT font = createFont(readoutFont, s);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, toColorRef(readoutInk.value));
    for (const TextLine& line : readout_.lines) {
        const std::wstring text = widen(line.text);
        ExtTextOutW(dc, s.at(int(line.left)), s.at(line.top), 0, nullptr, text.c_str(), UINT(text.size()), nullptr);
    }
    SelectObject(dc, old);
    DeleteObject(font);
}

} // namespace tavrolin::win32
