#include "EventBridge.h"

#include "QtText.h"

#include "window/Layout.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QMessageBox>
#include <QScrollBar>

namespace tavrolin::qt {

EventBridge::EventBridge(MainWindow& mainWindow, BuiltWindow& window)
    : mainWindow_(mainWindow), window_(window), queue_(mainWindow),
      report_([this](const Failure& f) { showFailure(window_.window.get(), f); })
{
    queue_.onHandlerDone([this] { window_.window->flush(); });
    window_.window->mayClose = [this] {
        if (!queue_.busy()) return true;
        closeHeld_ = true;
        return false;
    };
}

void EventBridge::connectControls()
{
    for (const ControlSpec& c : layout()) {
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
    const bool outermost = !queue_.busy();
    if (auto failure = queue_.post(control, event)) {
        report_(*failure);
        QCoreApplication::exit(1);
        return;
    }
    if (!outermost) return;
    if (closeHeld_) {
        closeHeld_ = false;
        window_.window->close();
    }
    // Input held back during a run stays queued in the platform layer until
    // something wakes the event loop; wake it so it is handled now.
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

void EventBridge::showFailure(QWidget* parent, const Failure& failure)
{
    QMessageBox box(QMessageBox::Critical, qs(windowSpec().title),
                    QStringLiteral("Chyba č. %1\n\n%2").arg(failure.number()).arg(QString::fromStdString(failure.description())),
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace tavrolin::qt
