#include "WebToolkit.h"

#include "NumberText.h"
#include "Page.h"
#include "surface/Failure.h"
#include "window/Accessibility.h"
#include "window/Layout.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>

namespace tavrolin::web {

namespace {

// The page is never smaller than the scene that the run draws; a smaller
// browser window scrolls.
constexpr int sceneWidth = 800;
constexpr int sceneHeight = 600;

// The system's button face, as the desktop programs resolve it on a
// classic grey desktop.
constexpr Colour buttonFace{0x00C0C0C0};

[[noreturn]] void wrongControl(ControlId id, const char* what)
{
    throw Failure(error::toolkit, "Ovládací prvek " + std::string(controlName(id)) + " není " + what + ".");
}

} // namespace

WebToolkit::WebToolkit() : canvas_(0, 0, 1.0, opaque(windowLayout().background.value)) {}

void WebToolkit::build()
{
    page::start();
    page::setDrawingDescription(drawingDescription);
    for (const ControlRow& row : layout())
        page::addControl(row, row.font.value_or(windowLayout().defaultFont), accessibleName(row.id),
                         accessibleDescription(row.id));
    page::orderTabs();
    separator_ = page::decimalSeparator();
    reshape();
}

void WebToolkit::reshape()
{
    const int width = page::width(sceneWidth), height = page::height(sceneHeight);
    const double scale = page::scale();
    const int deviceWidth = int(std::lround(width * scale)), deviceHeight = int(std::lround(height * scale));
    const bool rescaled = scale != canvas_.scale();
    if (deviceWidth == canvas_.width() && deviceHeight == canvas_.height() && !rescaled) return;
    const bool first = canvas_.width() == 0;
    canvas_.reshape(deviceWidth, deviceHeight, scale);
    page::shape(deviceWidth, deviceHeight, width, height);
    // The painted controls lie within the scene, which the page always
    // holds: a new size leaves them as they are, a new scale paints them
    // sharp again over the stretched picture.
    if (rescaled || first) {
        renderLooks();
        paint(painted_.atStart());
    }
    flush();
}

void WebToolkit::renderLooks()
{
    for (const ControlRow& row : layout()) {
        if (!painted_.holds(row.id)) continue;
        const PixelRect rect = canvas_.deviceRect(painted_.rect(row.id));
        Pixels& look = looks_[indexOf(row.id)];
        if (row.kind == ControlKind::Image) {
            look = axisLabel(rect.width, rect.height, canvas_.scale());
            continue;
        }
        look = {std::vector<Rgba>(std::size_t(std::max(rect.width, 0)) * std::size_t(std::max(rect.height, 0))),
                rect.width, rect.height};
        if (look.rgba.empty()) continue;
        page::renderLabel(look.rgba.data(), rect.width, rect.height, row.caption,
                          row.font.value_or(windowLayout().defaultFont), row.align == TextAlign::Centre,
                          row.background, controlText, canvas_.scale());
    }
}

void WebToolkit::paint(const std::vector<PaintStep>& steps)
{
    for (const PaintStep& step : steps) {
        const PixelRect area = canvas_.deviceRect(step.area);
        if (!step.control) {
            canvas_.fill(area, opaque(windowLayout().background.value));
            continue;
        }
        const Pixels& look = looks_[indexOf(*step.control)];
        const PixelRect at = canvas_.deviceRect(painted_.rect(*step.control));
        canvas_.blit(look.rgba.data(), look.width, look.height, at.left, at.top, area);
    }
}

void WebToolkit::flush()
{
    const PixelRect changed = canvas_.takeChanged();
    if (changed.empty()) return;
    page::flush(canvas_.pixels(), canvas_.width(), canvas_.height(), changed.left, changed.top, changed.width,
                changed.height);
}

Rgba WebToolkit::rgbaOf(std::optional<Colour> colour) const
{
    const Colour c = colour.value_or(windowLayout().foreground);
    if (c.isSystem()) {
        if (c.systemIndex() != buttonFaceIndex)
            throw Failure(error::toolkit, "Neznámá systémová barva " + std::to_string(c.systemIndex()) + ".");
        return opaque(buttonFace.value);
    }
    return opaque(c.value);
}

void WebToolkit::requireKind(ControlId id, ControlKind kind, const char* what) const
{
    if (id == ControlId::Tavrolin || layoutOf(id).kind != kind || page::kindOf(id) != int(kind)) wrongControl(id, what);
}

void WebToolkit::setPenWidth(std::int16_t width)
{
    if (width < 1) throw Failure(error::toolkit, "Neplatná šířka pera " + std::to_string(width) + ".");
    penWidth_ = width;
}

void WebToolkit::drawLine(float x1, float y1, float x2, float y2, std::optional<Colour> colour)
{
    canvas_.drawLine(x1, y1, x2, y2, penWidth_, rgbaOf(colour));
}

void WebToolkit::drawCircle(float x, float y, float radius, std::optional<Colour> colour)
{
    canvas_.drawCircle(x, y, radius, penWidth_, rgbaOf(colour));
}

std::string WebToolkit::getText(ControlId field)
{
    requireKind(field, ControlKind::TextField, "textové pole");
    return page::getText(field);
}

void WebToolkit::setText(ControlId field, std::string_view text)
{
    requireKind(field, ControlKind::TextField, "textové pole");
    page::setText(field, text);
}

void WebToolkit::selectOption(ControlId button)
{
    requireKind(button, ControlKind::OptionButton, "přepínač");
    if (page::isChecked(button)) return;
    page::check(button);
    if (runClickHandler_) runClickHandler_(button);
}

std::int16_t WebToolkit::getScrollValue(ControlId scrollBar)
{
    requireKind(scrollBar, ControlKind::ScrollBar, "posuvník");
    return std::int16_t(page::scrollValue(scrollBar));
}

void WebToolkit::showControl(ControlId control)
{
    if (painted_.holds(control)) {
        paint(painted_.show(control));
        return;
    }
    if (control == ControlId::Tavrolin || page::kindOf(control) < 0) wrongControl(control, "ovládací prvek okna");
    page::show(control);
}

void WebToolkit::moveControl(ControlId control, float left, float top)
{
    const int x = int(std::lround(left)), y = int(std::lround(top));
    if (painted_.holds(control)) {
        paint(painted_.move(control, x, y));
        return;
    }
    if (control == ControlId::Tavrolin || page::kindOf(control) < 0) wrongControl(control, "ovládací prvek okna");
    page::move(control, x, y);
}

void WebToolkit::closeWindow()
{
    if (closeWindow_) closeWindow_();
}

Answer WebToolkit::askYesNo(std::string_view prompt)
{
    flush();
    deadlines_.start();
    page::ask(windowLayout().title, prompt);
    // The page answers from its own events; the run waits here without
    // holding the browser up.
    int answer;
    while ((answer = page::answer()) < 0) emscripten_sleep(20);
    return answer == 0 ? Answer::Yes : answer == 1 ? Answer::No : Answer::Other;
}

std::string WebToolkit::textFromInteger(std::int16_t value) { return web::textFromInteger(value); }
std::string WebToolkit::textFromReal(double value) { return web::textFromReal(value, separator_); }
double WebToolkit::numberFromText(std::string_view text) { return web::numberFromText(text, separator_); }

void WebToolkit::pause(std::chrono::nanoseconds length)
{
    flush();
    // The browser's own loop runs meanwhile: it shows the step, repaints
    // and scrolls the page, and the page holds the user's input. The pause
    // ends at its step's deadline, so the step's own work is absorbed.
    using Milliseconds = std::chrono::duration<double, std::milli>;
    const auto now = [] {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(Milliseconds(emscripten_get_now()));
    };
    page::waitUntil(Milliseconds(deadlines_.next(now(), length)).count());
}

} // namespace tavrolin::web
