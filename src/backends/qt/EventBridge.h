#pragma once

#include "WindowBuilder.h"
#include "window/EventQueue.h"
#include "window/MainWindow.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

class QWindow;

namespace tavrolin::qt {

// Carries the window's control events to their handlers through the event
// queue. Clicks, keys and a close from the desktop that come while a handler
// runs (or while older ones still wait) are held in the queue as copies of
// Qt's events and delivered to the window again once it is idle. A failure
// is reported and ends the program.
class EventBridge : public QObject {
public:
    using ReportFailure = std::function<void(const Failure&)>;

    EventBridge(MainWindow& mainWindow, BuiltWindow& window);

    void connectControls();
    void post(ControlId control, Event event);

    bool busy() const { return queue_.busy(); }
    bool failed() const { return queue_.failed(); }
    void setReportFailure(ReportFailure report) { report_ = std::move(report); }
    // Called after each handler, once its drawing is on the screen.
    void onHandlerDone(std::function<void()> done) { handlerDone_ = std::move(done); }

    // Shows the error's number and description in a message box.
    static void showFailure(QWidget* parent, const Failure& failure);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool mayClose(bool fromDesktop);
    void deliver(QWindow* window, QEvent& input);

    MainWindow& mainWindow_;
    BuiltWindow& window_;
    EventQueue queue_;
    std::function<void()> handlerDone_;
    ReportFailure report_;
    QPointer<QWidget> pressed_; // where held mouse input goes while a button is down
};

} // namespace tavrolin::qt
