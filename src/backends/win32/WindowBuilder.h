#pragma once

#include "DeviceScale.h"
#include "GdiSurface.h"
#include "basics/ControlId.h"
#include "layout/Layout.h"

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

namespace tavrolin::win32 {

constexpr int firstControlId = 100; // clear of IDOK and IDCANCEL
constexpr int iconResource = 1;
constexpr int axisLabelResource = 2;
constexpr int axisLabel2xResource = 3;

// The main window built from the layout table: child controls in the order
// of their tab positions (the dialog manager tabs in creation order), the
// labels and the image painted into the drawing surface. Everything is
// placed and sized at the screen's scale.
struct BuiltWindow {
    HWND window = nullptr;
    DeviceScale scale;
    // Where the scene's top left corner lies in the client area: at its
    // corner, or centred on the screen in presentation mode.
    POINT origin{0, 0};
    std::array<HWND, controlCount> controls{};
    std::array<HBRUSH, controlCount> brushes{};
    std::array<COLORREF, controlCount> backgrounds{};
    std::array<HFONT, controlCount> fonts{}; // the window's own font in its slot
    // Where each child control is now, in the layout's pixels.
    std::array<POINT, controlCount> layoutTopLeft{};
    std::unique_ptr<GdiSurface> surface;
    HBITMAP axisLabel = nullptr;
    HBITMAP axisLabel2x = nullptr;

    BuiltWindow() = default;
    BuiltWindow(const BuiltWindow&) = delete;
    BuiltWindow& operator=(const BuiltWindow&) = delete;
    ~BuiltWindow();

    // The control whose window this is, if it is one of ours.
    bool controlOf(HWND hwnd, ControlId& id) const;
};

// Registers the window class; wndProc answers the main window's messages
// and receives the creation parameter in WM_NCCREATE.
void registerWindowClass(HINSTANCE instance, WNDPROC wndProc);

void buildWindow(BuiltWindow& built, HINSTANCE instance, void* creationParameter);

// The window is now on a screen of this DPI, or shows the scene at that
// scale: fonts, controls and the drawing take it, the scene's corner at the
// origin.
void rescaleWindow(BuiltWindow& built, int dpi, POINT origin = {0, 0});

// Where a child control goes at the window's scale, its top left corner at
// the given layout position (relative to its frame, as in the layout).
RECT placeOf(const BuiltWindow& built, const ControlRow& control, int left, int top);

COLORREF toColorRef(unsigned colourValue);

} // namespace tavrolin::win32
