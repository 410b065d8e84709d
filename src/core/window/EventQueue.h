#pragma once

#include "basics/Failure.h"
#include "window/MainWindow.h"

#include <deque>
#include <functional>
#include <optional>
#include <utility>

namespace tavrolin {

// Runs the window's events one at a time, in the order they came. An event
// that comes while a handler runs waits for it, so nothing changes under a
// Start run. After a failure no further event is run.
//
// Input the user makes while a handler runs (a click, a key, a close) is held
// here, as the toolkit's own input to be delivered again, not left in the
// toolkit's queue: a toolkit throws away input for a window behind a modal
// box, and a held Start opens one. Held input is delivered oldest first, each
// only once the program is idle again, so whatever the one before it started
// has ended first.
class EventQueue {
public:
    explicit EventQueue(MainWindow& window) : window_(window) {}

    // Called before each handler runs.
    void onHandlerStart(std::function<void(ControlId, Event)> start) { start_ = std::move(start); }
    // Called after each handler has returned, to show what it drew.
    void onHandlerDone(std::function<void()> done) { done_ = std::move(done); }
    // How the toolkit closes the window once the handlers have returned.
    void onClose(std::function<void()> close) { close_ = std::move(close); }
    // How the toolkit has deliverHeldInput called from its event loop, not
    // from inside the input just handled.
    void onHeldInputWaiting(std::function<void()> schedule) { scheduleHeld_ = std::move(schedule); }

    // Runs the event now, or queues it behind the running handler. Returns
    // the failure that ended a handler, once; the caller reports it.
    std::optional<Failure> post(ControlId control, Event event);

    // True while input must be held rather than handled: a handler runs, or
    // older held input is still waiting.
    bool holdsInput() const { return busy_ || (!held_.empty() && !delivering_); }
    void hold(std::function<void()> deliverInput);
    bool hasHeldInput() const { return !held_.empty(); }
    // Delivers the held input while the program is idle. A toolkit calls it
    // from its event loop once the outermost handler has returned.
    void deliverHeldInput();
    // The program's own close from a handler: the window closes when the
    // outermost handler has returned, before any held input.
    void closeAfterHandler() { closePending_ = true; }
    // The window has closed: input still held is for a window that is gone.
    void windowClosed();

    bool busy() const { return busy_; }
    bool failed() const { return failed_; }

private:
    MainWindow& window_;
    std::function<void(ControlId, Event)> start_;
    std::function<void()> done_;
    std::function<void()> close_;
    std::function<void()> scheduleHeld_;
    std::deque<std::pair<ControlId, Event>> queue_;
    std::deque<std::function<void()>> held_;
    bool busy_ = false;
    bool failed_ = false;
    bool delivering_ = false;
    bool closed_ = false;
    bool closePending_ = false;
};

} // namespace tavrolin
