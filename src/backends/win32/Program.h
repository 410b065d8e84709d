#pragma once

#include "Win32Backend.h"
#include "WindowBuilder.h"
#include "window/Session.h"

#include <windows.h>

#include <optional>

namespace tavrolin::win32 {

// The program on Win32: the window built from the layout, the backend over
// it, and the core's session, which the window procedure's messages reach.
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

    void post(ControlId control, Event event) { session_.post(control, event); }

    HWND window() const { return built_.window; }
    BackendToolkit& toolkit() { return session_.toolkit(); }
    Win32Backend& backend() { return backend_; }
    Session& session() { return session_; }
    BuiltWindow& built() { return built_; }

private:
    static LRESULT CALLBACK wndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void onScroll(HWND bar, int request, int thumb);
    void onCommand(WPARAM wParam, LPARAM lParam);
    std::optional<Input> inputOf(const MSG& msg) const;
    void present(bool presenting);
    // Shows the scene at the scale the mode and the window's size give.
    void refit();
    bool holdInput(const MSG& msg);
    void dispatch(MSG& msg);

    BuiltWindow built_;
    Win32Backend backend_;
    Session session_;
    bool presenting_ = false;
    int screenDpi_ = 96; // the scale of the screen the window is on
    LONG normalStyle_ = 0;
    WINDOWPLACEMENT normalPlacement_{};
};

} // namespace tavrolin::win32
