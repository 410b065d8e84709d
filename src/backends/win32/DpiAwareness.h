#pragma once

#include <windows.h>

namespace tavrolin::win32 {

// The screen's dots per inch where the window is: the window's monitor on
// Windows 10 (1607 and later), the system's setting on older Windows.
int dpiOfWindow(HWND window);

// The outer rectangle of a top-level window whose client area is as given,
// with the frame drawn for that DPI.
RECT frameAround(RECT client, DWORD style, int dpi);

} // namespace tavrolin::win32
