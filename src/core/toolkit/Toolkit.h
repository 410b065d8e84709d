#pragma once

#include "basics/Answer.h"
#include "basics/Colour.h"
#include "basics/ControlId.h"
#include "basics/PlottedStep.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrolin {

// Everything the program needs of a window toolkit. Coordinates are pixels
// of the window's client area, origin top-left, y downwards. Every operation
// that fails throws tavrolin::Failure.
class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Drawing. A call without a colour draws in the window's foreground
    // colour, which is not the same as colour 0 (black).
    virtual void setPixelUnits() = 0;
    virtual void setPenWidth(std::int16_t width) = 0;
    virtual void drawLine(float x1, float y1, float x2, float y2, std::optional<Colour> colour) = 0;
    virtual void drawCircle(float x, float y, float radius, std::optional<Colour> colour) = 0;

    void drawLine(float x1, float y1, float x2, float y2) { drawLine(x1, y1, x2, y2, std::nullopt); }
    void drawCircle(float x, float y, float radius) { drawCircle(x, y, radius, std::nullopt); }

    // Controls. selectOption clears the other buttons of the frame and runs
    // the button's click handler, as a click would, unless it was already
    // the chosen one.
    virtual std::string getText(ControlId field) = 0;
    virtual void setText(ControlId field, std::string_view text) = 0;
    virtual void selectOption(ControlId button) = 0;
    virtual std::int16_t getScrollValue(ControlId scrollBar) = 0;
    virtual void showControl(ControlId control) = 0;
    virtual void moveControl(ControlId control, float left, float top) = 0;
    virtual void closeWindow() = 0;

    virtual Answer askYesNo(std::string_view prompt) = 0;

    // Number text in the user's locale.
    virtual std::string textFromInteger(std::int16_t value) = 0;
    virtual std::string textFromReal(double value) = 0;
    virtual double numberFromText(std::string_view text) = 0;

    // Shows everything drawn so far, then waits, keeping the window painted
    // but holding user input until the running handler has returned.
    virtual void pause(std::chrono::nanoseconds duration) = 0;

    // A step has plotted its point, for what follows a run beside the
    // picture (its values while paused, its tone); draws nothing.
    virtual void stepPlotted(const PlottedStep& /*step*/) {}
};

} // namespace tavrolin
