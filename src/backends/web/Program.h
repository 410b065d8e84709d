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
    // An event of the page's controls.
    void post(ControlId control, Event event);
    // While true, the page gives its input to hold() instead of to the
    // controls: a handler runs, or older held input waits.
    bool holdsInput() const { return session_.holdsInput(); }
    // Holds the page's input number `number`, to be given to the controls
    // once the program is idle, in order with the rest.
    void hold(int number);
    // The page's timer, when the program asked for its held input.
    void deliverHeldInput();
    // A lesson key, or a touch of the drawing or the sound button; true if
    // the program took it.
    bool lessonInput(const LessonInput& input);
    void reshape();

private:
    void deliver(int number);

    WebBackend backend_;
    Session session_;
};

} // namespace tavrolin::web
