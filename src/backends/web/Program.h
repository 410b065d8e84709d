#pragma once

#include "WebBackend.h"
#include "window/Session.h"

namespace tavrolin::web {

// The program in the browser: the page built from the layout, the backend
// over it, and the core's session, which the page's events reach.
class Program {
public:
    Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Builds the page, runs the load handler and puts the focus on Start.
    void start();
    // An event of the page's controls; the page holds input while busy().
    void post(ControlId control, Event event);
    bool busy() const { return session_.busy(); }
    void reshape();

private:
    // Nothing may be thrown back into the browser's loop: what a call
    // throws ends the program with the failure box.
    template <class F> void guarded(F&& f);

    WebBackend backend_;
    Session session_;
};

} // namespace tavrolin::web
