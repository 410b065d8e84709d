#include "QtBackend.h"

#include "ColourMapping.h"
#include "QtText.h"
#include "basics/Failure.h"
#include "layout/Layout.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <thread>

namespace tavrolin::qt {

namespace {

// The question has only Yes and No. Escape and the title bar's close end it
// without an answer only where the question allows; otherwise, like the
// Windows Yes/No box, it stays until a button is chosen.
class YesNoBox : public QMessageBox {
public:
    YesNoBox(const tavrolin::Question& question, QWidget* parent)
        : QMessageBox(QMessageBox::NoIcon, qs(question.title), qs(question.prompt), QMessageBox::Yes | QMessageBox::No,
                      parent),
          dismissible_(question.dismissible)
    {
        button(QMessageBox::Yes)->setText(qs(question.yes));
        button(QMessageBox::No)->setText(qs(question.no));
        setDefaultButton(question.byDefault == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Cancel)) {
            if (dismissible_) done(QMessageBox::Cancel);
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override
    {
        if (!answered_) {
            event->ignore();
            if (dismissible_) done(QMessageBox::Cancel);
            return;
        }
        QMessageBox::closeEvent(event);
    }
    void done(int result) override
    {
        answered_ = true;
        QMessageBox::done(result);
    }

private:
    const bool dismissible_;
    bool answered_ = false;
};

} // namespace

QtBackend::QtBackend(BuiltWindow& window)
    : built_(window), surface_(*window.window), wait_(&QtBackend::waitAnsweringDesktop)
{
}

// The core has checked each control's kind against the layout, which the
// window was built from.
template <class W> W* QtBackend::widget(ControlId id) { return static_cast<W*>(built_.widgets[indexOf(id)]); }

void QtBackend::drawLine(float x1, float y1, float x2, float y2, Colour colour, int penWidth)
{
    surface_.setPenWidth(penWidth);
    surface_.drawLine(QPointF(x1, y1), QPointF(x2, y2), toQColor(colour));
}

void QtBackend::drawCircle(float x, float y, float radius, Colour colour, int penWidth)
{
    surface_.setPenWidth(penWidth);
    surface_.drawCircle(QPointF(x, y), radius, toQColor(colour));
}

void QtBackend::paint(const std::vector<PaintStep>& steps, const PaintedControls& painted)
{
    surface_.paint(steps, painted);
}

Colour QtBackend::buttonFace() { return paletteButtonFace(); }

std::string QtBackend::text(ControlId field) { return widget<QLineEdit>(field)->text().toStdString(); }

void QtBackend::setText(ControlId field, std::string_view text) { widget<QLineEdit>(field)->setText(qs(text)); }

bool QtBackend::checked(ControlId button) { return widget<QRadioButton>(button)->isChecked(); }

void QtBackend::setChecked(ControlId button, bool checked) { widget<QRadioButton>(button)->setChecked(checked); }

int QtBackend::scrollValue(ControlId scrollBar) { return widget<QScrollBar>(scrollBar)->value(); }

void QtBackend::setScrollValue(ControlId scrollBar, int value)
{
    auto* bar = widget<QScrollBar>(scrollBar);
    const QSignalBlocker quiet(bar);
    bar->setValue(value);
}

void QtBackend::focus(ControlId id) { built_.widgets[indexOf(id)]->setFocus(Qt::TabFocusReason); }

void QtBackend::click(ControlId button) { widget<QAbstractButton>(button)->click(); }

void QtBackend::showControl(ControlId id) { built_.widgets[indexOf(id)]->show(); }

void QtBackend::moveControl(ControlId id, int left, int top)
{
    built_.layoutTopLeft[indexOf(id)] = QPoint(left, top);
    built_.widgets[indexOf(id)]->setGeometry(placeOf(built_, id, QPoint(left, top)));
}

void QtBackend::waitUntil(Time deadline) { wait_(std::max(Time{0}, deadline - now())); }

Answer QtBackend::askYesNo(const Question& question)
{
    YesNoBox box(question, &surface_);
    const int answer = box.exec();
    if (answer == QMessageBox::Yes) return Answer::Yes;
    if (answer == QMessageBox::No) return Answer::No;
    return Answer::Other;
}

void QtBackend::showFailure(std::string_view title, std::string_view text)
{
    QMessageBox box(QMessageBox::Critical, qs(title), qs(text), QMessageBox::Ok, &surface_);
    box.exec();
}

// QLocale() follows LC_ALL, LC_NUMERIC and LANG.
std::string QtBackend::decimalSeparator() { return QLocale().decimalPoint().toStdString(); }

void QtBackend::scheduleHeldInput()
{
    QMetaObject::invokeMethod(
        &surface_,
        [this] {
            if (deliverHeld_) deliverHeld_();
        },
        Qt::QueuedConnection);
}

void QtBackend::showReadout(const Readout& readout)
{
    if (!readout_)
        readout_ = std::make_unique<ReadoutWidget>(
            &surface_, [this](const QRectF& scene) { return surface_.sceneToWidget(scene); },
            [this] { return surface_.sceneScale(); });
    readout_->show(readout);
}

void QtBackend::hideReadout()
{
    if (readout_) readout_->hide();
}

// The core asks again only while it has none.
bool QtBackend::startSound()
{
    auto tone = std::make_unique<ToneOutput>();
    if (!tone->start()) return false;
    tone_ = std::move(tone);
    return true;
}

void QtBackend::tone(double hz, double loudness)
{
    if (tone_) tone_->set(hz, loudness);
}

void QtBackend::close(int exitStatus)
{
    // After a failure the event loop ends with its status, the window as it
    // is; otherwise the window closes, and with it the program.
    if (exitStatus != 0)
        QCoreApplication::exit(exitStatus);
    else
        surface_.closeForGood();
}

void QtBackend::waitAnsweringDesktop(std::chrono::nanoseconds duration)
{
    using namespace std::chrono;
    // Wakes at least every 16 ms to keep the window painted and answering
    // the window manager's pings; sleeps to a fixed deadline so that short
    // sleeps' overshoot does not add up.
    const auto deadline = steady_clock::now() + duration;
    for (;;) {
        // User input is taken too: the event bridge holds it for after the run.
        QCoreApplication::processEvents();
        const auto now = steady_clock::now();
        if (now >= deadline) return;
        std::this_thread::sleep_until(std::min(deadline, now + milliseconds{16}));
        // At the deadline the step goes on at once: what came meanwhile is
        // taken at the next step's pause, a few milliseconds on.
        if (steady_clock::now() >= deadline) return;
    }
}

} // namespace tavrolin::qt
