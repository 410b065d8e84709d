#pragma once

#include "support/FakeBackend.h"
#include "toolkit/BackendToolkit.h"
#include "toolkit/Toolkit.h"
#include "window/MainWindow.h"

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tavrolin::test {

enum class Op {
    SetPixelUnits,
    SetPenWidth,
    DrawLine,
    DrawCircle,
    GetText,
    SetText,
    SelectOption,
    GetScrollValue,
    ShowControl,
    MoveControl,
    CloseWindow,
    AskYesNo,
    Pause,
};

// One toolkit call as it was made, with the single-precision values that
// were handed over.
struct Call {
    Op op;
    std::array<float, 4> v{}; // line: x1 y1 x2 y2; circle: x y r; move: left top
    std::optional<Colour> colour = std::nullopt;
    ControlId control = ControlId::Tavrolin;
    std::string text = {};
    long long number = 0; // pen width, pause in nanoseconds
};

std::string describe(const Call& call);

// The program's toolkit operations, watched: every call is recorded in
// order, as the handlers made it, then carried out by the core's own
// BackendToolkit on a fake backend.
class RecordingToolkit final : public Toolkit {
public:
    explicit RecordingToolkit(char decimalSeparator = ',');

    // Lets selectOption run click handlers; the window uses this toolkit.
    void attach(MainWindow& window);

    FakeBackend backend;
    BackendToolkit core{backend};
    std::vector<Call> calls;
    std::deque<Answer>& answers = backend.answers; // the question's answers, Yes when empty
    // A call for which this answers true throws, as a broken toolkit would.
    std::function<bool(const Call&)> failWhen;
    void failOn(Op op)
    {
        failWhen = [op](const Call& c) { return c.op == op; };
    }
    bool closed = false;
    std::function<void()>& onPause = backend.onWait; // runs in every pause, as the desktop's events would

    void forget() { calls.clear(); }
    std::vector<Call> only(Op op) const;
    std::size_t count(Op op) const;

    const std::string& text(ControlId field) const { return backend.textOf(field); }
    void putText(ControlId field, std::string text) { backend.putText(field, std::move(text)); }
    bool selected(ControlId button) const { return backend.isChecked(button); }
    // What a user's click does to an option button before its handler runs.
    void choose(ControlId button) { backend.choose(button); }
    void setScrollValue(std::int16_t value) { backend.setScroll(value); }
    bool visible(ControlId control) const;

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
    std::string textFromInteger(std::int16_t value) override { return core.textFromInteger(value); }
    std::string textFromReal(double value) override { return core.textFromReal(value); }
    double numberFromText(std::string_view text) override { return core.numberFromText(text); }
    void pause(std::chrono::nanoseconds duration) override;

private:
    void record(Call call);
};

} // namespace tavrolin::test
