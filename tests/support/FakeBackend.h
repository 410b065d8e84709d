#pragma once

#include "primitives/Backend.h"

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tavrolin::test {

// A backend of plain state, for the core's tests: controls hold what they
// are given, the clock moves only when a pause waits, the question answers
// from a list. It decides nothing; the core's own code does.
class FakeBackend final : public Backend {
public:
    explicit FakeBackend(std::string separator = ",");

    std::deque<Answer> answers;              // the question's answers, Yes when empty
    std::function<void()> onWait;            // runs in every pause, as the desktop's events would
    std::function<void()> whileFailureShows; // as the failure box's modal loop would
    std::vector<Time> deadlines;             // every pause's end, in order
    std::vector<std::string> failures;
    std::vector<std::string> announced;
    std::optional<int> closedWith; // the exit status the program ended with
    int flushes = 0;
    int heldInputScheduled = 0;
    Time clock{1'000'000'000};
    Colour face{0x00C0C0C0};
    std::array<bool, controlCount> made{}; // which controls the toolkit made: all but the painted ones
    std::vector<std::pair<ControlId, std::array<int, 2>>> moves;
    std::vector<PaintStep> paintSteps;
    std::vector<Readout> readouts; // each shown, in order
    bool readoutShown = false;
    bool hasSound = true;                         // what opening the sound device gives
    std::vector<std::pair<double, double>> tones; // pitch and loudness, in order

    // What a user's click does to an option button before its handler runs.
    void choose(ControlId button);
    bool isShown(ControlId id) const;
    bool isChecked(ControlId button) const { return checked_[indexOf(button)]; }
    const std::string& textOf(ControlId field) const { return texts_[indexOf(field)]; }
    void putText(ControlId field, std::string text) { texts_[indexOf(field)] = std::move(text); }
    void setScroll(int value) { scroll_ = value; }

    void drawLine(float, float, float, float, Colour, int) override {}
    void drawCircle(float, float, float, Colour, int) override {}
    void paint(const std::vector<PaintStep>& steps, const PaintedControls&) override
    {
        paintSteps.insert(paintSteps.end(), steps.begin(), steps.end());
    }
    void flush() override { ++flushes; }
    Colour buttonFace() override { return face; }

    bool hasControl(ControlId id) override { return made[indexOf(id)]; }
    std::string text(ControlId field) override { return texts_[indexOf(field)]; }
    void setText(ControlId field, std::string_view text) override { texts_[indexOf(field)] = text; }
    bool checked(ControlId button) override { return checked_[indexOf(button)]; }
    void setChecked(ControlId button, bool checked) override { checked_[indexOf(button)] = checked; }
    int scrollValue(ControlId) override { return scroll_; }
    void setScrollValue(ControlId, int value) override { scroll_ = value; }
    void focus(ControlId id) override { focused = id; }
    void click(ControlId button) override { clicked.push_back(button); }
    void showControl(ControlId id) override { shown_[indexOf(id)] = true; }
    void moveControl(ControlId id, int left, int top) override { moves.push_back({id, {left, top}}); }

    Time now() override { return clock; }
    void waitUntil(Time deadline) override;

    Answer askYesNo(const Question&) override;
    void showFailure(std::string_view, std::string_view text) override
    {
        failures.emplace_back(text);
        if (whileFailureShows) whileFailureShows();
    }
    std::string decimalSeparator() override { return separator_; }
    void scheduleHeldInput() override { ++heldInputScheduled; }
    void announce(std::string_view text) override { announced.emplace_back(text); }
    void close(int exitStatus) override { closedWith = exitStatus; }
    void showReadout(const Readout& readout) override
    {
        readouts.push_back(readout);
        readoutShown = true;
    }
    void hideReadout() override { readoutShown = false; }
    bool startSound() override { return hasSound; }
    void tone(double hz, double loudness) override { tones.emplace_back(hz, loudness); }

    std::optional<ControlId> focused;
    std::vector<ControlId> clicked;

private:
    std::string separator_;
    std::array<std::string, controlCount> texts_{};
    std::array<bool, controlCount> checked_{};
    std::array<std::optional<bool>, controlCount> shown_{};
    int scroll_ = 1;
};

} // namespace tavrolin::test
