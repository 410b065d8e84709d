#include "WebBackend.h"

#include "Page.h"
#include "layout/SceneFit.h"
#include "lesson/Lesson.h"
#include "lesson/Tone.h"
#include "text/Catalogue.h"
#include "window/Accessibility.h"
#include "window/Session.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>

namespace tavrolin::web {

namespace {

// The system's button face, as the desktop programs resolve it on a
// classic grey desktop.
constexpr Colour classicButtonFace{0x00C0C0C0};

} // namespace

WebBackend::WebBackend() : canvas_(0, 0, 1.0, opaque(windowLayout().background.value)) {}

void WebBackend::build()
{
    page::start(languageTag(currentLanguage()),
                {tr("OK"), tr("Program Tavrolin skončil. Znovu ho spustíte obnovením stránky (klávesa F5)."),
                 formatted(tr("{title} (ukončen)"), {{"title", windowCaption()}}), touchPauseHelpText(),
                 soundButtonText()});
    page::setDrawingDescription(drawingDescription());
    for (const ControlRow& row : layout())
        page::addControl(row, row.font.value_or(windowLayout().defaultFont), accessibleName(row.id),
                         accessibleDescription(row.id));
    page::orderTabs();
}

// Asked for when a number is first written with a decimal part, not at
// start-up: finding it costs the browser tens of milliseconds the first time,
// and the window as it opens writes whole numbers only.
std::string WebBackend::decimalSeparator()
{
    if (!separator_) separator_ = page::decimalSeparator();
    return *separator_;
}

bool WebBackend::reshape(const PaintedControls& painted)
{
    // The core decides how the scene is shown; the page arranges its
    // elements and reports the room left for the scene.
    const Presentation shown = presentationFor(page::viewportWidth(), page::viewportHeight(), page::coarsePointer());
    const bool touch = shown.mode == FitMode::Touch;
    page::arrange(touch, shown.panel == PanelSide::Beside);
    const SceneBox& box = touch ? drawingPart : wholeScene;
    const Fit fit = fitInto(box, page::restWidth(), page::restHeight());
    page::place(box, fit);

    // The drawing holds the whole scene, whatever part of it shows; below
    // it a run only clears background to background.
    const double scale = fit.scale * page::scale();
    const int deviceWidth = int(std::lround(wholeScene.width * scale));
    const int deviceHeight = int(std::lround(wholeScene.height * scale));
    if (deviceWidth == canvas_.width() && deviceHeight == canvas_.height() && scale == canvas_.scale()) return false;
    canvas_.reshape(deviceWidth, deviceHeight, scale);
    page::shape(deviceWidth, deviceHeight);
    // A new scale paints the painted controls sharp again over the
    // stretched picture.
    renderLooks(painted);
    return true;
}

namespace {

// A look of the rectangle's size, to be written into; empty for an empty one.
Pixels blankLook(const PixelRect& rect)
{
    return {std::vector<Rgba>(std::size_t(std::max(rect.width, 0)) * std::size_t(std::max(rect.height, 0))), rect.width,
            rect.height};
}

} // namespace

void WebBackend::renderLooks(const PaintedControls& painted)
{
    for (const ControlRow& row : layout()) {
        if (!painted.holds(row.id)) continue;
        const PixelRect rect = canvas_.deviceRect(painted.rect(row.id));
        Pixels& look = looks_[indexOf(row.id)];
        if (row.kind == ControlKind::Image) {
            const double pixels = axisLabelFont.pixelSize() * canvas_.scale();
            const auto turned = axisLabelText(rect.width, rect.height, pixels, [&](std::string_view text) {
                return page::textWidth(text, axisLabelFont, pixels);
            });
            if (!turned) {
                look = axisLabel(rect.width, rect.height, canvas_.scale());
                continue;
            }
            look = blankLook(rect);
            if (!look.rgba.empty())
                page::renderTurned(look.rgba.data(), rect.width, rect.height, *turned, axisLabelFont, pixels,
                                   axisLabelBackground, axisLabelInk);
            continue;
        }
        look = blankLook(rect);
        if (look.rgba.empty()) continue;
        const FontStyle font = row.font.value_or(windowLayout().defaultFont);
        const double pixels = font.pixelSize() * canvas_.scale();
        const auto measure = [&](std::string_view text) { return page::textWidth(text, font, pixels); };
        page::renderLabel(look.rgba.data(), rect.width, rect.height,
                          labelLines(tr(row.caption), row.align, font.family, pixels, rect.width, rect.height, measure),
                          font, pixels, row.background, controlText);
    }
}

void WebBackend::paint(const std::vector<PaintStep>& steps, const PaintedControls& painted)
{
    for (const PaintStep& step : steps) {
        const PixelRect area = canvas_.deviceRect(step.area);
        if (!step.control) {
            canvas_.fill(area, opaque(windowLayout().background.value));
            continue;
        }
        const Pixels& look = looks_[indexOf(*step.control)];
        const PixelRect at = canvas_.deviceRect(painted.rect(*step.control));
        canvas_.blit(look.rgba.data(), look.width, look.height, at.left, at.top, area);
    }
}

void WebBackend::flush()
{
    const std::vector<PixelRect> changed = canvas_.takeChanged();
    if (changed.empty()) return;
    page::flush(canvas_.pixels(), canvas_.width(), canvas_.height(), changed);
}

Colour WebBackend::buttonFace() { return classicButtonFace; }

void WebBackend::drawLine(float x1, float y1, float x2, float y2, Colour colour, int penWidth)
{
    canvas_.drawLine(x1, y1, x2, y2, penWidth, opaque(colour.value));
}

void WebBackend::drawCircle(float x, float y, float radius, Colour colour, int penWidth)
{
    canvas_.drawCircle(x, y, radius, penWidth, opaque(colour.value));
}

bool WebBackend::hasControl(ControlId id) { return page::kindOf(id) >= 0; }
std::string WebBackend::text(ControlId field) { return page::getText(field); }
void WebBackend::setText(ControlId field, std::string_view text) { page::setText(field, text); }
bool WebBackend::checked(ControlId button) { return page::isChecked(button); }
void WebBackend::setChecked(ControlId button, bool checked) { page::setChecked(button, checked); }
int WebBackend::scrollValue(ControlId scrollBar) { return page::scrollValue(scrollBar); }
void WebBackend::showControl(ControlId id) { page::show(id); }
void WebBackend::moveControl(ControlId id, int left, int top) { page::move(id, left, top); }

Backend::Time WebBackend::now()
{
    return std::chrono::duration_cast<Time>(std::chrono::duration<double, std::milli>(emscripten_get_now()));
}

// The browser's own loop runs meanwhile: it shows the step, repaints and
// scrolls the page, and the page holds the user's input.
void WebBackend::waitUntil(Time deadline)
{
    page::waitUntil(std::chrono::duration<double, std::milli>(deadline).count());
}

Answer WebBackend::askYesNo(const Question& question)
{
    page::ask(question);
    // The page answers from its own events; the run waits here without
    // holding the browser up.
    int answer;
    while ((answer = page::answer()) < 0)
        emscripten_sleep(20);
    return answer == 0 ? Answer::Yes : answer == 1 ? Answer::No : Answer::Other;
}

// The box stays while the program has ended: the page ends once it is
// answered.
void WebBackend::showFailure(std::string_view title, std::string_view text)
{
    failed_ = true;
    flush();
    page::failure(title, text);
}

void WebBackend::ready() { page::ready(windowLayout().title, stoppedText()); }

void WebBackend::scheduleHeldInput() { page::scheduleHeld(); }

void WebBackend::announce(std::string_view text) { page::announce(text); }

// A page cannot close its own tab: it says that the program has ended.
void WebBackend::close(int /*exitStatus*/)
{
    if (failed_) return;
    flush();
    page::end();
}

} // namespace tavrolin::web

namespace tavrolin::web {

void WebBackend::showReadout(const Readout& readout)
{
    page::showReadout(readout, readoutFont, readoutInk, readoutBackground);
}

void WebBackend::hideReadout() { page::hideReadout(); }

bool WebBackend::startSound() { return page::startSound(); }

void WebBackend::tone(double hz, double loudness)
{
    using seconds = std::chrono::duration<double>;
    page::tone(hz, loudness, seconds(toneGlide).count(), seconds(toneFade).count());
}

} // namespace tavrolin::web
