#pragma once

#include "WindowBuilder.h"
#include "surface/Toolkit.h"

#include <functional>

namespace tavrolin::win32 {

// The toolkit operations on the Win32 window built from the layout.
class Win32Toolkit final : public Toolkit {
public:
    using Wait = std::function<void(std::chrono::nanoseconds)>;
    using RunClickHandler = std::function<void(ControlId)>;

    explicit Win32Toolkit(BuiltWindow& window);

    void setClickHandlerRunner(RunClickHandler runner) { runClickHandler_ = std::move(runner); }
    void setWait(Wait wait) { wait_ = std::move(wait); }
    int stepsShown() const { return stepsShown_; }

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

    // Waits until the time is up, painting the window and answering the
    // system's sent messages, but leaving user input in the queue.
    static void waitAnsweringDesktop(std::chrono::nanoseconds duration);

private:
    HWND control(ControlId id, const wchar_t* windowClass, const char* what) const;
    COLORREF colourOf(std::optional<Colour> colour) const;

    BuiltWindow& built_;
    RunClickHandler runClickHandler_;
    Wait wait_;
    int stepsShown_ = 0;
};

} // namespace tavrolin::win32
