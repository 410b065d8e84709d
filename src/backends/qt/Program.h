#pragma once

#include "EventBridge.h"
#include "QtToolkit.h"
#include "WindowBuilder.h"
#include "window/MainWindow.h"

namespace tavrolin::qt {

// The program on Qt: the window built from the layout, the toolkit over it,
// the window's handlers, and the bridge that carries events between them.
class Program {
public:
    Program();

    // Runs the load handler; false if it failed (the failure is reported).
    bool load();
    // Opens the window maximized with the focus on Start.
    void show();
    // Load, show, and run the event loop; returns the exit status.
    int run();

    SurfaceWidget& window() { return *built_.window; }
    QWidget* widget(ControlId id) { return built_.widgets[indexOf(id)]; }
    QtToolkit& toolkit() { return toolkit_; }
    EventBridge& bridge() { return bridge_; }
    MainWindow& mainWindow() { return mainWindow_; }

private:
    BuiltWindow built_;
    QtToolkit toolkit_;
    MainWindow mainWindow_;
    EventBridge bridge_;
};

} // namespace tavrolin::qt
