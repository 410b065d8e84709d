#pragma once

#include "surface/Failure.h"
#include "window/MainWindow.h"

#include <deque>
#include <functional>
#include <optional>
#include <utility>

namespace tavrolin {

// Runs the window's events one at a time, in the order they came. An event
// that comes while a handler runs waits for it, so nothing changes under a
// Start run. After a failure no further event is run.
class EventQueue {
public:
    explicit EventQueue(MainWindow& window) : window_(window) {}

    // Called after each handler has returned, to show what it drew.
    void onHandlerDone(std::function<void()> done) { done_ = std::move(done); }

    // Runs the event now, or queues it behind the running handler. Returns
    // the failure that ended a handler, once; the caller reports it.
    std::optional<Failure> post(ControlId control, Event event);

    bool busy() const { return busy_; }
    bool failed() const { return failed_; }

private:
    MainWindow& window_;
    std::function<void()> done_;
    std::deque<std::pair<ControlId, Event>> queue_;
    bool busy_ = false;
    bool failed_ = false;
};

} // namespace tavrolin
