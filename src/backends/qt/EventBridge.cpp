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

#include <algorithm>
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

constexpr std::pair<int, Key> keys[] = {{Qt::Key_Space, Key::Space},   {Qt::Key_Return, Key::Enter},
                                        {Qt::Key_Enter, Key::Enter},   {Qt::Key_Escape, Key::Escape},
                                        {Qt::Key_Tab, Key::Tab},       {Qt::Key_Backtab, Key::Tab},
                                        {Qt::Key_Left, Key::Left},     {Qt::Key_Right, Key::Right},
                                        {Qt::Key_Up, Key::Up},         {Qt::Key_Down, Key::Down},
                                        {Qt::Key_PageUp, Key::PageUp}, {Qt::Key_PageDown, Key::PageDown},
                                        {Qt::Key_Home, Key::Home},     {Qt::Key_End, Key::End},
                                        {Qt::Key_F11, Key::F11},       {Qt::Key_Z, Key::Z}};

} // namespace

// A key on the focused control, or the left button or one finger pressed
// or lifted over the drawing or a control, in the core's terms.
std::optional<Input> EventBridge::inputOf(const QEvent& event) const
{
    QWidget& top = *window_.window;
    Input input;
    QPoint at;
    switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto& key = static_cast<const QKeyEvent&>(event);
        const auto known = std::ranges::find(keys, key.key(), &std::pair<int, Key>::first);
        input.key = known == std::end(keys) ? Key::Other : known->second;
        input.press = event.type() == QEvent::KeyPress;
        input.repeat = key.isAutoRepeat();
        input.shift = key.modifiers() & Qt::ShiftModifier;
        input.shortcut = (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
        input.control = controlOf(QApplication::focusWidget());
        input.target = targetOf(input.control);
        if (const auto* field = qobject_cast<const QLineEdit*>(QApplication::focusWidget());
            field && field->isReadOnly())
            input.target = Target::Other;
        return input;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        const auto& mouse = static_cast<const QMouseEvent&>(event);
        if (mouse.button() != Qt::LeftButton) return std::nullopt;
        input.press = event.type() != QEvent::MouseButtonRelease;
        at = mouse.position().toPoint();
        break;
    }
    case QEvent::TouchBegin:
    case QEvent::TouchEnd: {
        const auto& touch = static_cast<const QTouchEvent&>(event);
        if (touch.points().size() != 1) return std::nullopt;
        input.press = event.type() == QEvent::TouchBegin;
        at = touch.points().front().position().toPoint();
        break;
    }
    default:
        return std::nullopt;
    }
    input.key = Key::Pointer;
    input.target = top.childAt(at) ? Target::Other : Target::Drawing;
    return input;
}

ControlId EventBridge::controlOf(const QWidget* widget) const
{
    const auto found = std::ranges::find(window_.widgets, widget);
    return widget && found != window_.widgets.end() ? ControlId(found - window_.widgets.begin()) : ControlId::Tavrolin;
}

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
    const std::optional<Input> input = inputOf(*event);
    if (input && session_.lessonTakes(*input)) return true;
    if (!session_.queue().holdsInput()) return input && session_.carryOut(*input, Platform::Elsewhere);
    std::shared_ptr<QEvent> copy(event->clone());
    session_.queue().hold([this, to = QPointer<QWindow>(window), copy] {
        if (to) deliver(to, *copy);
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
