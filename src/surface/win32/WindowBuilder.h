#pragma once

#include "GdiSurface.h"
#include "surface/ControlId.h"

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

namespace tavrolin::win32 {

constexpr int firstControlId = 100; // clear of IDOK and IDCANCEL
constexpr int iconResource = 1;
constexpr int axisLabelResource = 2;

// The main window built from the layout table: child controls in the order
// of their tab positions (the dialog manager tabs in creation order), the
// labels and the image painted into the drawing surface.
struct BuiltWindow {
    HWND window = nullptr;
    std::array<HWND, controlCount> controls{};
    std::array<HBRUSH, controlCount> brushes{};
    std::array<COLORREF, controlCount> backgrounds{};
    std::unique_ptr<GdiSurface> surface;
    std::vector<HFONT> fonts;
    HBITMAP axisLabel = nullptr;

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

COLORREF toColorRef(unsigned colourValue);

} // namespace tavrolin::win32
