#pragma once

#include "WindowBuilder.h"
#include "window/EventQueue.h"
#include "window/MainWindow.h"

#include <QObject>

#include <functional>

namespace tavrolin::qt {

// Carries the window's control events to their handlers through the event
// queue. A close of the window while a handler runs waits for it, like any
// other input. A failure is reported and ends the program.
class EventBridge : public QObject {
public:
    using ReportFailure = std::function<void(const Failure&)>;

    EventBridge(MainWindow& mainWindow, BuiltWindow& window);

    void connectControls();
    void post(ControlId control, Event event);

    bool busy() const { return queue_.busy(); }
    bool failed() const { return queue_.failed(); }
    void setReportFailure(ReportFailure report) { report_ = std::move(report); }

    // Shows the error's number and description in a message box.
    static void showFailure(QWidget* parent, const Failure& failure);

private:
    MainWindow& mainWindow_;
    BuiltWindow& window_;
    EventQueue queue_;
    ReportFailure report_;
    bool closeHeld_ = false;
};

} // namespace tavrolin::qt
