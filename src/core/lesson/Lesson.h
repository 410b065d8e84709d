#pragma once

#include "basics/PlottedStep.h"
#include "input/Input.h"
#include "primitives/Backend.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace tavrolin {

// While paused, the run looks this often whether it goes on.
constexpr std::chrono::milliseconds pausedPoll{20};
// A step made while paused sounds this long.
constexpr std::chrono::milliseconds steppedTone{250};

// Pause, step and the tone of a run: what the lesson's keys do, and what a
// paused run shows and says. A run that nobody pauses is paced and drawn
// exactly as without it.
class Lesson {
public:
    explicit Lesson(Backend& backend) : backend_(backend) {}

    // Whether the program takes this input for itself; if not, it is the
    // window's, held during a run like any other.
    bool take(const LessonInput& input);

    void runStarted();
    void runEnded();
    // The program has ended: a paused run lets go.
    void end() { ended_ = true; }
    void plotted(const PlottedStep& step);

    // Whether the run is to stop after the step just shown.
    bool holds() const { return paused_ && point_ && !ended_; }
    // Shows the values, then waits until the user resumes or steps.
    void hold();

    bool paused() const { return paused_; }
    bool soundOn() const { return sound_; }

private:
    void toggleSound();
    void silence();

    Backend& backend_;
    std::optional<PlottedStep> point_;
    std::optional<Backend::Time> toneEnds_;
    double pitch_ = 0;
    bool running_ = false, paused_ = false, stepWanted_ = false, stepped_ = false;
    bool sound_ = false, soundStarted_ = false, ended_ = false;
};

// How to pause and step, and how to turn the tone on, one line each.
std::string_view pauseHelpText();
std::string_view soundHelpText();
// The same on a touch screen, which has no keys: a tap on the picture, and
// the button that turns the tone on and off.
std::string_view touchPauseHelpText();
std::string_view soundButtonText();

} // namespace tavrolin
