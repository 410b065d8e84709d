#pragma once

#include "WebToolkit.h"
#include "window/EventQueue.h"
#include "window/MainWindow.h"

namespace tavrolin::web {

// The program in the browser: the page built from the layout, the toolkit
// over it, the window's handlers, and the event queue between them.
class Program {
public:
    Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Builds the page, runs the load handler and puts the focus on Start.
    void start();
    // An event of the page's controls; the page holds input while busy().
    void post(ControlId control, Event event);
    bool busy() const { return queue_.busy(); }
    void reshape();

    WebToolkit& toolkit() { return toolkit_; }

private:
    void report(const Failure& failure);
    void end();

    WebToolkit toolkit_;
    MainWindow mainWindow_;
    EventQueue queue_;
    bool ended_ = false;
};

} // namespace tavrolin::web
