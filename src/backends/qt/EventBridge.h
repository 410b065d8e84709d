#pragma once

#include "WindowBuilder.h"
#include "window/Session.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class QWindow;

namespace tavrolin::qt {

// Carries the window's control events to the session. Clicks, keys and a
// close from the desktop that come while a handler runs (or while older ones
// still wait) are held in the core's event queue as copies of Qt's events
// and delivered to the window again once it is idle.
class EventBridge : public QObject {
public:
    EventBridge(Session& session, BuiltWindow& window);

    void connectControls();
    void post(ControlId control, Event event) { session_.post(control, event); }

    bool busy() const { return session_.busy(); }
    bool failed() const { return session_.failed(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool mayClose(bool fromDesktop);
    std::optional<Input> inputOf(const QEvent& event) const;
    ControlId controlOf(const QWidget* widget) const;

    void deliver(QWindow* window, QEvent& input);

    Session& session_;
    BuiltWindow& window_;
    QPointer<QWidget> pressed_; // where held mouse input goes while a button is down
};

} // namespace tavrolin::qt
