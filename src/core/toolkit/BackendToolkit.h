#pragma once

#include "basics/WholePixel.h"
#include "layout/Layout.h"
#include "layout/PaintedControls.h"
#include "lesson/Lesson.h"
#include "primitives/Backend.h"
#include "toolkit/Pacing.h"
#include "toolkit/Toolkit.h"

#include <array>
#include <functional>

namespace tavrolin {

// The program's toolkit operations, decided here once for every backend and
// carried out by its primitives: which option buttons a choice clears, when
// a step's pause ends, which controls and pens are valid and what a failure
// says, how colours resolve, how numbers are written, what a painted
// control's move uncovers.
class BackendToolkit final : public Toolkit {
public:
    using RunClickHandler = std::function<void(ControlId)>;

    explicit BackendToolkit(Backend& backend);

    // selectOption runs the button's click handler through this.
    void setClickHandlerRunner(RunClickHandler runner) { runClickHandler_ = std::move(runner); }
    // What the program's own close of the window does.
    void setCloseWindow(std::function<void()> close) { closeWindow_ = std::move(close); }
    // A handler has ended: the next pause is a run's first, a whole one.
    void handlerDone() { deadlines_.start(); }
    int stepsShown() const { return stepsShown_; }
    Lesson& lesson() { return lesson_; }
    const PaintedControls& painted() const { return painted_; }
    // Whether the control and its frame are shown: the layout's at start,
    // and what the program has shown since.
    bool onScreen(ControlId id) const;
    // Paints every visible painted control whole, as on a new drawing.
    void repaintPainted();
    // After the drawing took a new scale: the painted controls that lie on
    // top of it, sharp at that scale.
    void repaintUncovered();

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
    void stepPlotted(const PlottedStep& step) override { lesson_.plotted(step); }

    // A colour as it is drawn: no colour is the window's foreground, and a
    // system colour is looked up.
    Colour resolve(std::optional<Colour> colour);

private:
    // NOT_OF_KIND: the catalogue's message for a control of another kind.
    void require(ControlId id, ControlKind kind, std::string_view notOfKind);
    void requireControl(ControlId id);

    Backend& backend_;
    void drawnOver(float left, float top, float right, float bottom);

    PaintedControls painted_;
    Lesson lesson_;
    animation::StepDeadlines deadlines_;
    RunClickHandler runClickHandler_;
    std::function<void()> closeWindow_;
    std::array<bool, controlCount> shown_{};
    int penWidth_ = 1;
    int stepsShown_ = 0;
};

// A colour as it is shown: a system colour is looked up (the layout uses
// only the button face); any other entry is a failure.
Colour resolveColour(Colour colour, Colour buttonFace);

} // namespace tavrolin
