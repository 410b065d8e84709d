#pragma once

#include "Page.h"

#include "AxisLabel.h"
#include "PixelCanvas.h"
#include "layout/Layout.h"
#include "primitives/Backend.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tavrolin::web {

// The core's primitives on the page built from the layout: controls are the
// page's elements, the drawing a pixel buffer that its canvas shows, labels
// and the image painted into that buffer.
class WebBackend final : public Backend {
public:
    WebBackend();

    // Makes the page's elements and the drawing.
    void build();
    // Fits the scene to the page's present size and pointer; true if the
    // drawing took a new scale (or is new), so that the painted controls are
    // to be painted afresh.
    bool reshape(const PaintedControls& painted);
    const PixelCanvas& canvas() const { return canvas_; }
    bool failed() const { return failed_; }
    // The program has started: the page hands its failures to it from now
    // on, and knows what to say should it stop by itself.
    void ready();

    void drawLine(float x1, float y1, float x2, float y2, Colour colour, int penWidth) override;
    void drawCircle(float x, float y, float radius, Colour colour, int penWidth) override;
    void paint(const std::vector<PaintStep>& steps, const PaintedControls& painted) override;
    void flush() override;
    Colour buttonFace() override;

    bool hasControl(ControlId id) override;
    std::string text(ControlId field) override;
    void setText(ControlId field, std::string_view text) override;
    bool checked(ControlId button) override;
    void setChecked(ControlId button, bool checked) override;
    int scrollValue(ControlId scrollBar) override;
    void setScrollValue(ControlId scrollBar, int value) override { page::setScrollValue(scrollBar, value); }
    void focus(ControlId id) override { page::focus(id); }
    void click(ControlId button) override { page::click(button); }
    void showControl(ControlId id) override;
    void moveControl(ControlId id, int left, int top) override;

    Time now() override;
    void waitUntil(Time deadline) override;

    Answer askYesNo(const Question& question) override;
    void showFailure(std::string_view title, std::string_view text) override;
    std::string decimalSeparator() override;

    void scheduleHeldInput() override;
    void showReadout(const Readout& readout) override;
    void hideReadout() override;
    bool startSound() override;
    void tone(double hz, double loudness) override;
    void announce(std::string_view text) override;
    void close(int exitStatus) override;

private:
    void renderLooks(const PaintedControls& painted);

    PixelCanvas canvas_;
    // Each painted control's pixels at the canvas's scale.
    std::array<Pixels, controlCount> looks_;
    std::optional<std::string> separator_; // the browser's, once asked
    bool failed_ = false;
};

} // namespace tavrolin::web
