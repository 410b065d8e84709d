#include "DpiAwareness.h"

namespace tavrolin::win32 {

namespace {

// The per-monitor functions exist only on Windows 10; the program also runs
// on Windows 7, so they are looked up, never imported.
template <typename Function> Function user32Function(const char* name)
{
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

} // namespace

int dpiOfWindow(HWND window)
{
    using GetDpiForWindow = UINT(WINAPI*)(HWND);
    static const auto forWindow = user32Function<GetDpiForWindow>("GetDpiForWindow");
    if (forWindow) {
        if (const UINT dpi = forWindow(window)) return int(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

RECT frameAround(RECT client, DWORD style, int dpi)
{
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = user32Function<AdjustForDpi>("AdjustWindowRectExForDpi");
    if (!adjustForDpi || !adjustForDpi(&client, style, FALSE, 0, UINT(dpi)))
        AdjustWindowRectEx(&client, style, FALSE, 0);
    return client;
}

} // namespace tavrolin::win32
