#include "EventBridge.h"

#include "QtText.h"

#include "layout/Layout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTouchEvent>
#include <QWindow>

#include <memory>
#include <optional>

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

// The lesson's keys, and a press or release of the left
// button or a finger on the drawing, where no control lies.
std::optional<LessonInput> lessonInputOf(const QEvent& event, QWidget& top)
{
    switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto& key = static_cast<const QKeyEvent&>(event);
        LessonInput input{LessonKey::Space, event.type() == QEvent::KeyPress, key.isAutoRepeat()};
        input.modified = (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
        if (key.key() == Qt::Key_Right)
            input.key = LessonKey::Right;
        else if (key.key() == Qt::Key_Z)
            input.key = LessonKey::Z;
        else if (key.key() != Qt::Key_Space)
            return std::nullopt;
        const auto* field = qobject_cast<const QLineEdit*>(QApplication::focusWidget());
        input.intoText = field && !field->isReadOnly();
        return input;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        const auto& mouse = static_cast<const QMouseEvent&>(event);
        if (mouse.button() != Qt::LeftButton || top.childAt(mouse.position().toPoint())) return std::nullopt;
        return LessonInput{LessonKey::Drawing, event.type() != QEvent::MouseButtonRelease};
    }
    case QEvent::TouchBegin:
    case QEvent::TouchEnd: {
        const auto& touch = static_cast<const QTouchEvent&>(event);
        if (touch.points().size() != 1 || top.childAt(touch.points().front().position().toPoint())) return std::nullopt;
        return LessonInput{LessonKey::Drawing, event.type() == QEvent::TouchBegin};
    }
    default:
        return std::nullopt;
    }
}

} // namespace

EventBridge::EventBridge(Session& session, BuiltWindow& window) : session_(session), window_(window)
{
    window_.window->mayClose = [this](bool fromDesktop) { return mayClose(fromDesktop); };
    // Input reaches the window's QWindow first, before Qt turns it into
    // clicks and focus changes; that is where it is held.
    QCoreApplication::instance()->installEventFilter(this);
}

bool EventBridge::mayClose(bool fromDesktop)
{
    return session_.mayClose(fromDesktop, [window = QPointer<QWidget>(window_.window.get())] {
        if (window) window->close();
    });
}

bool EventBridge::eventFilter(QObject* watched, QEvent* event)
{
    if (!isUserInput(event->type()) || !watched->isWindowType()) return false;
    QWindow* window = window_.window->windowHandle();
    if (watched != window) return false;
    if (const auto lesson = lessonInputOf(*event, *window_.window); lesson && session_.lessonInput(*lesson))
        return true;
    if (!session_.queue().holdsInput()) return false;
    std::shared_ptr<QEvent> input(event->clone());
    session_.queue().hold([this, to = QPointer<QWindow>(window), input] {
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
        if (session_.window().handles(id, Event::Click)) {
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                connect(button, &QAbstractButton::clicked, this, [this, id] { post(id, Event::Click); });
        }
        if (session_.window().handles(id, Event::Change)) {
            if (auto* bar = qobject_cast<QScrollBar*>(w))
                connect(bar, &QScrollBar::valueChanged, this, [this, id] { post(id, Event::Change); });
        }
    }
}

} // namespace tavrolin::qt
