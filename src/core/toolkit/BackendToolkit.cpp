#include "toolkit/BackendToolkit.h"

#include "basics/Failure.h"
#include "basics/NumberText.h"
#include "basics/WholePixel.h"
#include "layout/Layout.h"
#include "text/Catalogue.h"

#include <algorithm>
#include <cmath>

namespace tavrolin {

namespace {

// MESSAGE is the catalogue's Czech text, translated only when it is needed.
[[noreturn]] void controlFailure(ControlId id, std::string_view message)
{
    throw Failure(error::toolkit, formatted(tr(message), {{"control", controlName(id)}}));
}

} // namespace

BackendToolkit::BackendToolkit(Backend& backend) : backend_(backend), lesson_(backend)
{
    shown_[indexOf(ControlId::Tavrolin)] = true;
    for (const ControlRow& c : layout())
        shown_[indexOf(c.id)] = c.visibleAtStart;
}

bool BackendToolkit::onScreen(ControlId id) const
{
    const ControlId frame = id == ControlId::Tavrolin ? id : layoutOf(id).container;
    return shown_[indexOf(id)] && shown_[indexOf(frame)];
}

void BackendToolkit::require(ControlId id, ControlKind kind, std::string_view notOfKind)
{
    if (id == ControlId::Tavrolin || layoutOf(id).kind != kind) controlFailure(id, notOfKind);
    requireControl(id);
}

void BackendToolkit::requireControl(ControlId id)
{
    if (id == ControlId::Tavrolin) controlFailure(id, N_("Ovládací prvek {control} není ovládací prvek okna."));
    if (!backend_.hasControl(id)) controlFailure(id, N_("Ovládací prvek {control} neexistuje."));
}

Colour BackendToolkit::resolve(std::optional<Colour> colour)
{
    const Colour c = colour.value_or(windowLayout().foreground);
    return c.isSystem() ? resolveColour(c, backend_.buttonFace()) : c;
}

Colour resolveColour(Colour colour, Colour buttonFace)
{
    if (!colour.isSystem()) return colour;
    if (colour.systemIndex() == buttonFaceIndex) return buttonFace;
    throw Failure(error::toolkit, formatted(tr("Neznámá systémová barva {number}."),
                                            {{"number", std::to_string(colour.systemIndex())}}));
}

void BackendToolkit::setPenWidth(std::int16_t width)
{
    if (width < 1)
        throw Failure(error::toolkit,
                      formatted(tr("Neplatná šířka pera {number}."), {{"number", std::to_string(width)}}));
    penWidth_ = width;
}

void BackendToolkit::drawLine(float x1, float y1, float x2, float y2, std::optional<Colour> colour)
{
    backend_.drawLine(x1, y1, x2, y2, resolve(colour), penWidth_);
    drawnOver(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

void BackendToolkit::drawCircle(float x, float y, float radius, std::optional<Colour> colour)
{
    backend_.drawCircle(x, y, radius, resolve(colour), penWidth_);
    const float r = std::abs(radius);
    drawnOver(x - r, y - r, x + r, y + r);
}

void BackendToolkit::drawnOver(float left, float top, float right, float bottom)
{
    // Wide enough for the pen and for any backend's rounding.
    const int m = penWidth_ + 2;
    const int l = wholePixel(left) - m, t = wholePixel(top) - m;
    painted_.drawnOver({l, t, wholePixel(right) + m - l, wholePixel(bottom) + m - t});
}

void BackendToolkit::repaintUncovered() { backend_.paint(painted_.uncovered(), painted_); }

std::string BackendToolkit::getText(ControlId field)
{
    require(field, ControlKind::TextField, N_("Ovládací prvek {control} není textové pole."));
    return backend_.text(field);
}

void BackendToolkit::setText(ControlId field, std::string_view text)
{
    require(field, ControlKind::TextField, N_("Ovládací prvek {control} není textové pole."));
    backend_.setText(field, text);
}

void BackendToolkit::selectOption(ControlId button)
{
    require(button, ControlKind::OptionButton, N_("Ovládací prvek {control} není přepínač."));
    if (backend_.checked(button)) return;
    // The buttons of one frame are one choice. Checked first: a toolkit
    // that groups buttons itself refuses to clear its group's last one.
    backend_.setChecked(button, true);
    const ControlId frame = layoutOf(button).container;
    for (const ControlRow& c : layout())
        if (c.kind == ControlKind::OptionButton && c.container == frame && c.id != button && backend_.checked(c.id))
            backend_.setChecked(c.id, false);
    if (runClickHandler_) runClickHandler_(button);
}

std::int16_t BackendToolkit::getScrollValue(ControlId scrollBar)
{
    require(scrollBar, ControlKind::ScrollBar, N_("Ovládací prvek {control} není posuvník."));
    return std::int16_t(backend_.scrollValue(scrollBar));
}

void BackendToolkit::showControl(ControlId control)
{
    if (painted_.holds(control)) {
        backend_.paint(painted_.show(control), painted_);
        return;
    }
    requireControl(control);
    backend_.showControl(control);
    shown_[indexOf(control)] = true;
}

void BackendToolkit::moveControl(ControlId control, float left, float top)
{
    const int x = wholePixel(left), y = wholePixel(top);
    if (painted_.holds(control)) {
        backend_.paint(painted_.move(control, x, y), painted_);
        return;
    }
    requireControl(control);
    backend_.moveControl(control, x, y);
}

void BackendToolkit::repaintPainted() { backend_.paint(painted_.atStart(), painted_); }

void BackendToolkit::closeWindow()
{
    if (closeWindow_) closeWindow_();
}

std::string_view yesCaption() { return tr("Ano"); }

std::string_view noCaption() { return tr("Ne"); }

Answer BackendToolkit::askYesNo(std::string_view prompt)
{
    backend_.flush();
    // However long the question stays, the run goes on with a whole pause.
    deadlines_.start();
    // Enter says yes, and only a button's answer ends the question.
    return backend_.askYesNo({windowLayout().title, prompt, yesCaption(), noCaption(), Answer::Yes, false});
}

std::string BackendToolkit::textFromInteger(std::int16_t value) { return tavrolin::textFromInteger(value); }

std::string BackendToolkit::textFromReal(double value)
{
    return tavrolin::textFromReal(value, backend_.decimalSeparator());
}

double BackendToolkit::numberFromText(std::string_view text)
{
    return tavrolin::numberFromText(text, backend_.decimalSeparator());
}

void BackendToolkit::pause(std::chrono::nanoseconds duration)
{
    backend_.flush();
    ++stepsShown_;
    // The pause ends at the step's deadline: the step's drawing and flush
    // come out of it, so that steps are evenly spaced. A paused run waits
    // for the user instead, and goes on with a whole pause.
    if (!lesson_.holds()) backend_.waitUntil(deadlines_.next(backend_.now(), duration));
    if (lesson_.holds()) {
        lesson_.hold();
        deadlines_.start();
    }
}

} // namespace tavrolin
