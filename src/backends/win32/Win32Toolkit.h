#pragma once

#include "WindowBuilder.h"
#include "animation/Pacing.h"
#include "surface/Toolkit.h"

#include <functional>

namespace tavrolin::win32 {

// Clicks and keys in the client area: the input held during a run.
bool isUserInput(UINT message);

// The toolkit operations on the Win32 window built from the layout.
class Win32Toolkit final : public Toolkit {
public:
    using Wait = std::function<void(std::chrono::nanoseconds)>;
    using RunClickHandler = std::function<void(ControlId)>;
    // Takes a message of user input out of the way during a pause; false if
    // it is not for the program's window.
    using HoldInput = std::function<bool(const MSG&)>;

    explicit Win32Toolkit(BuiltWindow& window);

    void setClickHandlerRunner(RunClickHandler runner) { runClickHandler_ = std::move(runner); }
    void setWait(Wait wait) { wait_ = std::move(wait); }
    void setHoldInput(HoldInput hold) { holdInput_ = std::move(hold); }
    // What the program's own close of the window does (by default it posts
    // WM_CLOSE).
    void setCloseWindow(std::function<void()> close) { closeWindow_ = std::move(close); }
    int stepsShown() const { return stepsShown_; }
    // A handler has ended: the next pause is a run's first, a whole one.
    void handlerDone() { deadlines_.start(); }

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

    // Waits until the time is up, painting the window, answering the
    // system's sent messages and handing clicks and keys to holdInput_.
    void waitAnsweringDesktop(std::chrono::nanoseconds duration);

private:
    HWND control(ControlId id, const wchar_t* windowClass, const char* what) const;
    COLORREF colourOf(std::optional<Colour> colour) const;

    BuiltWindow& built_;
    RunClickHandler runClickHandler_;
    Wait wait_;
    HoldInput holdInput_;
    std::function<void()> closeWindow_;
    animation::StepDeadlines deadlines_;
    int stepsShown_ = 0;
};

} // namespace tavrolin::win32
