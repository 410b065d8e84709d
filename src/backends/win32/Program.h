#pragma once

#include "Win32Toolkit.h"
#include "WindowBuilder.h"
#include "window/EventQueue.h"
#include "window/MainWindow.h"

#include <windows.h>

namespace tavrolin::win32 {

// The program on Win32: the window built from the layout, the toolkit over
// it, the window's handlers, and the event queue between them.
class Program {
public:
    explicit Program(HINSTANCE instance);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool created() const { return built_.window != nullptr; }
    bool load();
    void show(int showCommand);
    // The message loop; returns the exit status.
    int run();

    void post(ControlId control, Event event);

    HWND window() const { return built_.window; }
    Win32Toolkit& toolkit() { return toolkit_; }
    BuiltWindow& built() { return built_; }

private:
    static LRESULT CALLBACK wndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void onScroll(HWND bar, int request, int thumb);
    void onCommand(WPARAM wParam, LPARAM lParam);
    bool holdInput(const MSG& msg);
    void dispatch(MSG& msg);

    BuiltWindow built_;
    Win32Toolkit toolkit_;
    MainWindow mainWindow_;
    EventQueue queue_;
    int exitStatus_ = 0;
};

} // namespace tavrolin::win32
