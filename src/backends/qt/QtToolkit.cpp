#include "QtToolkit.h"

#include "ColourMapping.h"
#include "Conversions.h"
#include "QtText.h"
#include "surface/Failure.h"
#include "window/Layout.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <thread>

namespace tavrolin::qt {

namespace {

// The question has only Yes and No: like the Windows Yes/No box, it stays
// until one of them is chosen, whatever Escape or the title bar's close do.
class YesNoBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Cancel)) return;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override
    {
        if (!answered_) {
            event->ignore();
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
    bool answered_ = false;
};

[[noreturn]] void wrongControl(ControlId id, const char* what)
{
    throw Failure(error::toolkit, "Ovládací prvek " + std::string(controlName(id)) + " není " + what + ".");
}

} // namespace

QtToolkit::QtToolkit(BuiltWindow& window)
    : built_(window), surface_(*window.window), wait_(&QtToolkit::waitAnsweringDesktop)
{
}

template <class W> W* QtToolkit::widget(ControlId id, const char* what)
{
    W* w = qobject_cast<W*>(built_.widgets[indexOf(id)]);
    if (!w) wrongControl(id, what);
    return w;
}

QColor QtToolkit::colourOf(std::optional<Colour> colour) const
{
    return toQColor(colour.value_or(windowLayout().foreground));
}

// The surface has no other unit than pixels from the client area's corner.
void QtToolkit::setPixelUnits() {}

void QtToolkit::setPenWidth(std::int16_t width)
{
    if (width < 1) throw Failure(error::toolkit, "Neplatná šířka pera " + std::to_string(width) + ".");
    surface_.setPenWidth(width);
}

void QtToolkit::drawLine(float x1, float y1, float x2, float y2, std::optional<Colour> colour)
{
    surface_.drawLine(QPointF(x1, y1), QPointF(x2, y2), colourOf(colour));
}

void QtToolkit::drawCircle(float x, float y, float radius, std::optional<Colour> colour)
{
    surface_.drawCircle(QPointF(x, y), radius, colourOf(colour));
}

std::string QtToolkit::getText(ControlId field) { return widget<QLineEdit>(field, "textové pole")->text().toStdString(); }

void QtToolkit::setText(ControlId field, std::string_view text) { widget<QLineEdit>(field, "textové pole")->setText(qs(text)); }

void QtToolkit::selectOption(ControlId button)
{
    auto* radio = widget<QRadioButton>(button, "přepínač");
    if (radio->isChecked()) return;
    radio->setChecked(true);
    if (runClickHandler_) runClickHandler_(button);
}

std::int16_t QtToolkit::getScrollValue(ControlId scrollBar)
{
    return static_cast<std::int16_t>(widget<QScrollBar>(scrollBar, "posuvník")->value());
}

void QtToolkit::showControl(ControlId control)
{
    if (surface_.paints(control)) {
        surface_.showPainted(control);
        return;
    }
    if (QWidget* w = built_.widgets[indexOf(control)]) {
        w->show();
        return;
    }
    wrongControl(control, "ovládací prvek okna");
}

void QtToolkit::moveControl(ControlId control, float left, float top)
{
    const QPoint at(int(std::lround(left)), int(std::lround(top)));
    if (surface_.paints(control)) {
        surface_.movePainted(control, at);
        return;
    }
    if (QWidget* w = built_.widgets[indexOf(control)]) {
        w->move(at);
        return;
    }
    wrongControl(control, "ovládací prvek okna");
}

void QtToolkit::closeWindow() { surface_.close(); }

Answer QtToolkit::askYesNo(std::string_view prompt)
{
    surface_.flush();
    deadlines_.start();
    YesNoBox box(QMessageBox::NoIcon, qs(windowLayout().title), qs(prompt), QMessageBox::Yes | QMessageBox::No,
                 &surface_);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ano"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Ne"));
    box.setDefaultButton(QMessageBox::Yes);
    const int answer = box.exec();
    if (answer == QMessageBox::Yes) return Answer::Yes;
    if (answer == QMessageBox::No) return Answer::No;
    return Answer::Other;
}

std::string QtToolkit::textFromInteger(std::int16_t value) { return qt::textFromInteger(value); }
std::string QtToolkit::textFromReal(double value) { return qt::textFromReal(value); }
double QtToolkit::numberFromText(std::string_view text) { return qt::numberFromText(text); }

void QtToolkit::pause(std::chrono::nanoseconds duration)
{
    surface_.flush();
    ++stepsShown_;
    // The pause ends at the step's deadline: the step's drawing and flush
    // come out of it, so that steps are evenly spaced.
    using namespace std::chrono;
    const auto now = duration_cast<nanoseconds>(steady_clock::now().time_since_epoch());
    wait_(std::max(nanoseconds{0}, deadlines_.next(now, duration) - now));
}

void QtToolkit::waitAnsweringDesktop(std::chrono::nanoseconds duration)
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
