#pragma once

#include "basics/Failure.h"
#include "input/Input.h"
#include "primitives/Backend.h"
#include "toolkit/BackendToolkit.h"
#include "window/EventQueue.h"
#include "window/MainWindow.h"

#include <functional>
#include <string>

namespace tavrolin {

// The program on one backend: the toolkit operations over its primitives,
// the window's handlers, and the event queue between them. A backend hands
// its control events to post() and its user input to the queue, and carries
// out the rest through Backend.
class Session {
public:
    explicit Session(Backend& backend);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Runs the load handler; false if the program has ended instead (a
    // failure, reported, or one before it).
    bool load();
    // A control's event, run now or after the running handler; a failure is
    // shown and ends the program.
    void post(ControlId control, Event event);
    // Someone closes the window. The desktop's close (its title bar, a
    // key) waits for the run like other input, behind older held input; a
    // close from code waits only for the running handler. True if the
    // window may close now, which ends the session.
    bool mayClose(bool fromDesktop, std::function<void()> closeAgainLater);

    // A lesson key or a touch of the drawing (see Lesson). True if the
    // program has taken it; otherwise it is the window's, to be held during
    // a run like any other input.
    bool lessonInput(const LessonInput& input) { return !ended_ && toolkit_.lesson().take(input); }
    bool lessonTakes(const Input& input);
    // Carries out the core's answer for input that nothing holds; false
    // leaves it to the toolkit.
    bool carryOut(const Input& input, Platform platform);
    // How the backend goes into presentation mode and out of it; without it
    // F11 and Escape are the toolkit's.
    void onPresent(std::function<void(bool)> present) { present_ = std::move(present); }
    bool presenting() const { return presenting_; }

    // The backend's window has a new size or scale, to which the scene is
    // to be fitted by apply. Taken now, or, while a handler runs, once it
    // has ended: a run's drawing keeps its scale, so that erasing redraws
    // the very pixels drawn. The latest request stands for all before it.
    void requestFit(std::function<void()> apply);

    // A failure outside the handlers (building the window, a change of
    // scale): shown like a handler's, and the program ends.
    void fail(const Failure& failure);
    // The boundary for what a toolkit's event runs outside the handlers:
    // nothing thrown passes it into the toolkit's loop; it ends in fail().
    void guard(const std::function<void()>& run) noexcept;

    BackendToolkit& toolkit() { return toolkit_; }
    MainWindow& window() { return window_; }
    EventQueue& queue() { return queue_; }
    bool busy() const { return queue_.busy(); }
    bool holdsInput() const { return queue_.holdsInput(); }
    bool failed() const { return queue_.failed(); }
    bool ended() const { return ended_; }
    int exitStatus() const { return exitStatus_; }

private:
    void end(int exitStatus);
    // Ends the session without closing the window yet.
    void stop(int exitStatus);

    Backend& backend_;
    BackendToolkit toolkit_;
    MainWindow window_;
    EventQueue queue_;
    std::function<void()> pendingFit_;
    std::function<void(bool)> present_;
    bool presenting_ = false;
    bool running_ = false;
    bool ended_ = false;
    int exitStatus_ = 0;
};

// What a screen reader is told when a run starts and when it has ended.
std::string_view runStartedText();
std::string_view runEndedText();

// What the failure box says: the error's number, then its description.
std::string failureText(const Failure& failure);
// What it says when the program stopped by itself, beyond its own failures
// (the browser's WebAssembly aborted); the browser's reason follows.
std::string_view stoppedText();

} // namespace tavrolin
