#pragma once

#include "SurfaceWidget.h"
#include "WindowBuilder.h"
#include "animation/Pacing.h"
#include "surface/Toolkit.h"

#include <chrono>
#include <functional>

namespace tavrolin::qt {

// The toolkit operations on the Qt window built from the layout.
class QtToolkit final : public Toolkit {
public:
    using Wait = std::function<void(std::chrono::nanoseconds)>;
    using RunClickHandler = std::function<void(ControlId)>;

    explicit QtToolkit(BuiltWindow& window);

    // selectOption runs the button's click handler through this.
    void setClickHandlerRunner(RunClickHandler runner) { runClickHandler_ = std::move(runner); }
    // Replaces the real waiting of pause(), for tests.
    void setWait(Wait wait) { wait_ = std::move(wait); }
    int stepsShown() const { return stepsShown_; }
    // A handler has ended: the next pause is a run's first, a whole one.
    void handlerDone() { deadlines_.start(); }

    void setPixelUnits() override;
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

    // The real wait: sleeps until the time is up, keeping the window painted
    // and answering the desktop, but leaving user input queued.
    static void waitAnsweringDesktop(std::chrono::nanoseconds duration);

private:
    template <class W> W* widget(ControlId id, const char* what);
    QColor colourOf(std::optional<Colour> colour) const;

    BuiltWindow& built_;
    SurfaceWidget& surface_;
    RunClickHandler runClickHandler_;
    Wait wait_;
    animation::StepDeadlines deadlines_;
    int stepsShown_ = 0;
};

} // namespace tavrolin::qt
