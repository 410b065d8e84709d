#include "CaptionFrame.h"

#include "DeviceScale.h"
#include "DpiAwareness.h"
#include "basics/Colour.h"
#include "layout/Layout.h"

#include <string>

namespace tavrolin::win32 {

const wchar_t captionFrameClass[] = L"TavrolinFrame";

namespace {

constexpr int backgroundSlot = 0;

LRESULT CALLBACK frameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, backgroundSlot, LONG_PTR(create->lpCreateParams));
        return 0;
    }
    case WM_SETFONT:
        SetPropW(hwnd, L"font", HANDLE(wParam));
        if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return LRESULT(GetPropW(hwnd, L"font"));
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(dc, &client, HBRUSH(GetWindowLongPtrW(hwnd, backgroundSlot)));

        const HGDIOBJ oldFont = SelectObject(dc, HFONT(GetPropW(hwnd, L"font")));
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        RECT border = client;
        border.top = tm.tmHeight / 2;
        DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);

        std::wstring caption(std::size_t(GetWindowTextLengthW(hwnd)) + 1, L'\0');
        caption.resize(std::size_t(GetWindowTextW(hwnd, caption.data(), int(caption.size()))));
        if (!caption.empty()) {
            SIZE extent{};
            GetTextExtentPoint32W(dc, caption.c_str(), int(caption.size()), &extent);
            const int dpi = int(INT_PTR(GetPropW(hwnd, L"dpi")));
            const DeviceScale scale(dpi > 0 ? dpi : dpiOfWindow(hwnd));
            RECT text{scale.at(frameCaptionIndent), 0,
                      scale.at(frameCaptionIndent) + extent.cx + scale.at(frameCaptionPadding), tm.tmHeight};
            FillRect(dc, &text, HBRUSH(GetWindowLongPtrW(hwnd, backgroundSlot)));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, RGB(controlText.red(), controlText.green(), controlText.blue()));
            DrawTextW(dc, caption.c_str(), int(caption.size()), &text, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_SINGLELINE);
        }
        SelectObject(dc, oldFont);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return SendMessageW(GetParent(hwnd), message, wParam, lParam);
    case WM_DESTROY:
        RemovePropW(hwnd, L"font");
        RemovePropW(hwnd, L"dpi");
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

void setCaptionFrameDpi(HWND frame, int dpi) { SetPropW(frame, L"dpi", HANDLE(INT_PTR(dpi))); }

void registerCaptionFrameClass(HINSTANCE instance)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = frameProc;
    wc.hInstance = instance;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.lpszClassName = captionFrameClass;
    RegisterClassExW(&wc);
}

HWND createCaptionFrame(HWND parent, const wchar_t* caption, RECT r, int id, HBRUSH background, bool visible,
                        HINSTANCE instance)
{
    // WS_EX_CONTROLPARENT lets the dialog manager tab into its buttons.
    return CreateWindowExW(WS_EX_CONTROLPARENT, captionFrameClass, caption,
                           WS_CHILD | WS_CLIPCHILDREN | WS_GROUP | (visible ? WS_VISIBLE : 0), r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent, HMENU(INT_PTR(id)), instance, background);
}

} // namespace tavrolin::win32
