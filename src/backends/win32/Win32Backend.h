#pragma once

#include "ReadoutWindow.h"
#include "ToneOutput.h"
#include "WindowBuilder.h"
#include "primitives/Backend.h"

#include <functional>
#include <memory>

namespace tavrolin::win32 {

// Clicks and keys in the client area: the input held during a run.
bool isUserInput(UINT message);

// Posted to the window when held input is to be delivered.
constexpr UINT deliverHeldInputMessage = WM_APP + 1;

// The core's primitives on the Win32 window built from the layout.
class Win32Backend final : public Backend {
public:
    using Wait = std::function<void(std::chrono::nanoseconds)>;
    // Takes a message of user input out of the way during a pause; false if
    // it is not for the program's window.
    using HoldInput = std::function<bool(const MSG&)>;

    explicit Win32Backend(BuiltWindow& window);

    // Replaces the real waiting of a pause, for tests and benchmarks.
    void setWait(Wait wait) { wait_ = std::move(wait); }
    void setHoldInput(HoldInput hold) { holdInput_ = std::move(hold); }
    int exitStatus() const { return exitStatus_; }

    void drawLine(float x1, float y1, float x2, float y2, Colour colour, int penWidth) override;
    void drawCircle(float x, float y, float radius, Colour colour, int penWidth) override;
    void paint(const std::vector<PaintStep>& steps, const PaintedControls& painted) override;
    void flush() override;
    Colour buttonFace() override;

    bool hasControl(ControlId id) override { return built_.controls[indexOf(id)] != nullptr; }
    std::string text(ControlId field) override;
    void setText(ControlId field, std::string_view text) override;
    bool checked(ControlId button) override;
    void setChecked(ControlId button, bool checked) override;
    int scrollValue(ControlId scrollBar) override;
    void setScrollValue(ControlId scrollBar, int value) override
    {
        SetScrollPos(control(scrollBar), SB_CTL, value, TRUE);
    }
    void focus(ControlId id) override;
    void click(ControlId button) override { SendMessageW(control(button), BM_CLICK, 0, 0); }
    void showControl(ControlId id) override;
    void moveControl(ControlId id, int left, int top) override;

    void waitUntil(Time deadline) override;

    Answer askYesNo(const Question& question) override;
    void showFailure(std::string_view title, std::string_view text) override;
    std::string decimalSeparator() override;

    void scheduleHeldInput() override;
    void close(int exitStatus) override;
    void showReadout(const Readout& readout) override;
    void hideReadout() override;
    bool startSound() override;
    void tone(double hz, double loudness) override;

    // Waits until the time is up, painting the window, answering the
    // system's sent messages and handing clicks and keys to holdInput_.
    void waitAnsweringDesktop(std::chrono::nanoseconds duration);

private:
    HWND control(ControlId id) const { return built_.controls[indexOf(id)]; }

    BuiltWindow& built_;
    Wait wait_;
    HoldInput holdInput_;
    int exitStatus_ = 0;
    std::unique_ptr<ReadoutWindow> readout_;
    std::unique_ptr<ToneOutput> tone_;
};

} // namespace tavrolin::win32
