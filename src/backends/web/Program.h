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
    // A key or a press as it comes, while the program holds no input: true
    // if the program took it (a lesson's key, a touch of the drawing or the
    // sound button, a key of the slider, whose steps are the program's).
    // The browser does the rest as the program would.
    bool input(const Input& input);
    // A key held during a run, as the page's input number `number`.
    void holdKey(int number, Input input);
    void reshape();

private:
    void deliver(int number);
    void deliverKey(int number, Input input);
    // The events the page's controls made while input was given to them.
    void postDelivered();

    WebBackend backend_;
    Session session_;
};

} // namespace tavrolin::web
