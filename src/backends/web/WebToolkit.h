#pragma once

#include "AxisLabel.h"
#include "PixelCanvas.h"
#include "animation/Pacing.h"
#include "surface/Toolkit.h"
#include "window/Layout.h"
#include "window/PaintedControls.h"

#include <array>
#include <functional>
#include <vector>

namespace tavrolin::web {

// The toolkit operations on the page built from the layout: controls are
// the page's elements, the drawing a pixel buffer that its canvas shows,
// labels and the image painted into that buffer.
class WebToolkit final : public Toolkit {
public:
    using RunClickHandler = std::function<void(ControlId)>;

    WebToolkit();

    // Makes the page's elements and the drawing, with the painted controls
    // that are visible at start.
    void build();
    // Takes up the page's present size and scale.
    void reshape();
    // Puts what changed in the drawing on the screen.
    void flush();
    // A handler has ended: the next pause is a run's first.
    void handlerDone() { deadlines_.start(); }

    void setClickHandlerRunner(RunClickHandler runner) { runClickHandler_ = std::move(runner); }
    void setCloseWindow(std::function<void()> close) { closeWindow_ = std::move(close); }
    const PixelCanvas& canvas() const { return canvas_; }

    void setPixelUnits() override {}
    void setPenWidth(std::int16_t width) override;
    void drawLine(float x1, float y1, float x2, float y2, std::optional<Colour> colour) override;
    void drawCircle(float x, float y, float radius, std::optional<Colour> colour) override;
    using Toolkit::drawCircle;
    using Toolkit::drawLine;

    std::string getText(ControlId field) override;
    void setText(ControlId field, std::string_view text) override;
    void selectOption(ControlId button) override;
    std::int16_t getScrollValue(ControlId scrollBar) override;
    void showControl(ControlId control) override;
    void moveControl(ControlId control, float left, float top) override;
    void closeWindow() override;

    Answer askYesNo(std::string_view prompt) override;

    std::string textFromInteger(std::int16_t value) override;
    std::string textFromReal(double value) override;
    double numberFromText(std::string_view text) override;

    void pause(std::chrono::nanoseconds duration) override;

private:
    Rgba rgbaOf(std::optional<Colour> colour) const;
    void requireKind(ControlId id, ControlKind kind, const char* what) const;
    void renderLooks();
    void paint(const std::vector<PaintStep>& steps);

    PixelCanvas canvas_;
    PaintedControls painted_;
    // Each painted control's pixels at the canvas's scale.
    std::array<Pixels, controlCount> looks_;
    animation::StepDeadlines deadlines_;
    int penWidth_ = 1;
    std::string separator_;
    RunClickHandler runClickHandler_;
    std::function<void()> closeWindow_;
};

} // namespace tavrolin::web
