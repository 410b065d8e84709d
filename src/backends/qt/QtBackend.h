#pragma once

#include "ReadoutWidget.h"
#include "SurfaceWidget.h"
#include "ToneOutput.h"
#include "WindowBuilder.h"
#include "primitives/Backend.h"

#include <chrono>
#include <functional>
#include <memory>

namespace tavrolin::qt {

// The core's primitives on the Qt window built from the layout.
class QtBackend final : public Backend {
public:
    using Wait = std::function<void(std::chrono::nanoseconds)>;

    explicit QtBackend(BuiltWindow& window);

    // Replaces the real waiting of a pause, for tests.
    void setWait(Wait wait) { wait_ = std::move(wait); }
    // What runs the core's held input from the event loop.
    void setDeliverHeldInput(std::function<void()> deliver) { deliverHeld_ = std::move(deliver); }

    void drawLine(float x1, float y1, float x2, float y2, Colour colour, int penWidth) override;
    void drawCircle(float x, float y, float radius, Colour colour, int penWidth) override;
    void paint(const std::vector<PaintStep>& steps, const PaintedControls& painted) override;
    void flush() override { surface_.flush(); }
    Colour buttonFace() override;

    bool hasControl(ControlId id) override { return built_.widgets[indexOf(id)] != nullptr; }
    std::string text(ControlId field) override;
    void setText(ControlId field, std::string_view text) override;
    bool checked(ControlId button) override;
    void setChecked(ControlId button, bool checked) override;
    int scrollValue(ControlId scrollBar) override;
    void setScrollValue(ControlId scrollBar, int value) override;
    void focus(ControlId id) override;
    void click(ControlId button) override;
    void showControl(ControlId id) override;
    void moveControl(ControlId id, int left, int top) override;

    void waitUntil(Time deadline) override;

    Answer askYesNo(const Question& question) override;
    void showFailure(std::string_view title, std::string_view text) override;
    std::string decimalSeparator() override;

    void scheduleHeldInput() override;
    void showReadout(const Readout& readout) override;
    void hideReadout() override;
    bool startSound() override;
    void tone(double hz, double loudness) override;
    void close(int exitStatus) override;

    // The real wait: sleeps until the time is up, keeping the window painted
    // and answering the desktop, but leaving user input queued.
    static void waitAnsweringDesktop(std::chrono::nanoseconds duration);

private:
    template <class W> W* widget(ControlId id);

    BuiltWindow& built_;
    SurfaceWidget& surface_;
    Wait wait_;
    std::function<void()> deliverHeld_;
    std::unique_ptr<ReadoutWidget> readout_;
    std::unique_ptr<ToneOutput> tone_;
};

} // namespace tavrolin::qt
