#pragma once

#include "EventBridge.h"
#include "QtBackend.h"
#include "WindowBuilder.h"
#include "window/Session.h"

namespace tavrolin::qt {

// The program on Qt: the window built from the layout, the backend over it,
// the core's session, and the bridge that carries Qt's events to it.
class Program {
public:
    Program();

    // Runs the load handler; false if it failed (the failure is reported).
    bool load() { return session_.load(); }
    // Opens the window maximized with the focus on Start.
    void show();
    // Load, show, and run the event loop; returns the exit status.
    int run();

    // Presentation mode: the window on the whole screen, the scene fitted
    // to it; or back to the maximized window at 1:1.
    void present(bool presenting);
    bool presenting() const { return presenting_; }

    SurfaceWidget& window() { return *built_.window; }
    QWidget* widget(ControlId id) { return built_.widgets[indexOf(id)]; }
    BackendToolkit& toolkit() { return session_.toolkit(); }
    QtBackend& backend() { return backend_; }
    EventBridge& bridge() { return bridge_; }
    Session& session() { return session_; }

private:
    // Fits the scene to the window's present size.
    void refit();

    BuiltWindow built_;
    QtBackend backend_;
    Session session_;
    EventBridge bridge_;
    bool presenting_ = false;
};

} // namespace tavrolin::qt
