#pragma once

#include "WindowBuilder.h"
#include "window/MainWindow.h"

#include <QObject>

#include <deque>
#include <functional>
#include <utility>

namespace tavrolin::qt {

// Carries the window's control events to their handlers, one at a time.
// An event that arrives while a handler runs (which the pause normally
// prevents) waits and runs after it, in order; so does a close of the
// window. A failure is reported and ends the program.
class EventBridge : public QObject {
public:
    using ReportFailure = std::function<void(const Failure&)>;

    EventBridge(MainWindow& mainWindow, BuiltWindow& window);

    void connectControls();
    void post(ControlId control, Event event);

    bool busy() const { return busy_; }
    bool failed() const { return failed_; }
    void setReportFailure(ReportFailure report) { report_ = std::move(report); }

    // Shows the error's number and description in a message box.
    static void showFailure(QWidget* parent, const Failure& failure);

private:
    void runQueue();

    MainWindow& mainWindow_;
    BuiltWindow& window_;
    ReportFailure report_;
    std::deque<std::pair<ControlId, Event>> queue_;
    bool busy_ = false;
    bool failed_ = false;
    bool closeHeld_ = false;
};

} // namespace tavrolin::qt
