#include "EventBridge.h"

#include "QtText.h"

#include "window/Layout.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QWindow>

#include <memory>

namespace tavrolin::qt {

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

} // namespace

EventBridge::EventBridge(MainWindow& mainWindow, BuiltWindow& window)
    : mainWindow_(mainWindow), window_(window), queue_(mainWindow),
      report_([this](const Failure& f) { showFailure(window_.window.get(), f); })
{
    queue_.onHandlerDone([this] {
        window_.window->flush();
        if (handlerDone_) handlerDone_();
    });
    queue_.onClose([this] { window_.window->close(); });
    queue_.onHeldInputWaiting([this] {
        QMetaObject::invokeMethod(this, [this] { queue_.deliverHeldInput(); }, Qt::QueuedConnection);
    });
    window_.window->mayClose = [this](bool fromDesktop) { return mayClose(fromDesktop); };
    // Input reaches the window's QWindow first, before Qt turns it into
    // clicks and focus changes; that is where it is held.
    QCoreApplication::instance()->installEventFilter(this);
}

bool EventBridge::mayClose(bool fromDesktop)
{
    if (fromDesktop && queue_.holdsInput()) {
        queue_.hold([window = QPointer<QWidget>(window_.window.get())] {
            if (window) window->close();
        });
        return false;
    }
    if (!fromDesktop && queue_.busy()) {
        queue_.closeAfterHandler();
        return false;
    }
    queue_.windowClosed();
    return true;
}

bool EventBridge::eventFilter(QObject* watched, QEvent* event)
{
    if (!queue_.holdsInput() || !isUserInput(event->type()) || !watched->isWindowType()) return false;
    QWindow* window = window_.window->windowHandle();
    if (watched != window) return false;
    std::shared_ptr<QEvent> input(event->clone());
    queue_.hold([this, to = QPointer<QWindow>(window), input] {
        if (to) deliver(to, *input);
    });
    return true;
}

void EventBridge::deliver(QWindow* window, QEvent& input)
{
    auto* held = dynamic_cast<QMouseEvent*>(&input);
    if (!held) {
        // Keys go to the focus widget and the wheel to the widget under
        // the pointer, as the window passes them on.
        QCoreApplication::sendEvent(window, &input);
        return;
    }
    // A mouse event the window passes on again is not always taken by the
    // button it reaches (Qt's own pointer state has moved on), so it goes
    // straight to the widget it was meant for: the one under the pointer
    // or, while a button is down, the one pressed, as a fresh event.
    const QMouseEvent& mouse = *held;
    QWidget* top = window_.window.get();
    const QPoint at = mouse.position().toPoint();
    QWidget* target = top->childAt(at);
    if (!target) target = top;
    if (input.type() == QEvent::MouseButtonPress || input.type() == QEvent::MouseButtonDblClick) {
        pressed_ = target;
        for (QWidget* w = target; w && w != top; w = w->parentWidget()) {
            if (w->focusPolicy() & Qt::ClickFocus) {
                w->setFocus(Qt::MouseFocusReason);
                break;
            }
        }
    } else if (pressed_ && (input.type() == QEvent::MouseButtonRelease || mouse.buttons() != Qt::NoButton)) {
        target = pressed_;
    }
    if (input.type() == QEvent::MouseButtonRelease && mouse.buttons() == Qt::NoButton) pressed_ = nullptr;
    QMouseEvent fresh(input.type(), target->mapFrom(top, mouse.position()), mouse.scenePosition(),
                      mouse.globalPosition(), mouse.button(), mouse.buttons(), mouse.modifiers());
    QCoreApplication::sendEvent(target, &fresh);
}

void EventBridge::connectControls()
{
    for (const ControlRow& c : layout()) {
        QWidget* w = window_.widgets[indexOf(c.id)];
        if (!w) continue;
        const ControlId id = c.id;
        if (mainWindow_.handles(id, Event::Click)) {
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                connect(button, &QAbstractButton::clicked, this, [this, id] { post(id, Event::Click); });
        }
        if (mainWindow_.handles(id, Event::Change)) {
            if (auto* bar = qobject_cast<QScrollBar*>(w))
                connect(bar, &QScrollBar::valueChanged, this, [this, id] { post(id, Event::Change); });
        }
    }
}

void EventBridge::post(ControlId control, Event event)
{
    if (auto failure = queue_.post(control, event)) {
        report_(*failure);
        QCoreApplication::exit(1);
    }
}

void EventBridge::showFailure(QWidget* parent, const Failure& failure)
{
    QMessageBox box(QMessageBox::Critical, qs(windowLayout().title),
                    QStringLiteral("Chyba č. %1\n\n%2").arg(failure.number()).arg(QString::fromStdString(failure.description())),
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace tavrolin::qt
