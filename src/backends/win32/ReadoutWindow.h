#pragma once

#include "WindowBuilder.h"
#include "layout/Readout.h"

#include <windows.h>

namespace tavrolin::win32 {

// The paused run's readout: a child window above the drawing, at the core's
// place and in its words, at the window's scale. Clicks pass through it to
// the drawing below.
class ReadoutWindow {
public:
    explicit ReadoutWindow(BuiltWindow& built) : built_(built) {}
    ReadoutWindow(const ReadoutWindow&) = delete;
    ReadoutWindow& operator=(const ReadoutWindow&) = delete;
    ~ReadoutWindow();

    void show(const Readout& readout);
    void hide();

private:
    static LRESULT CALLBACK wndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void paint(HDC dc);

    BuiltWindow& built_;
    HWND hwnd_ = nullptr;
    Readout readout_;
};

} // namespace tavrolin::win32
