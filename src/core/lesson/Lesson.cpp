#include "lesson/Lesson.h"

#include "layout/Readout.h"
#include "lesson/Tone.h"
#include "text/Catalogue.h"

namespace tavrolin {

std::string_view pauseHelpText()
{
    return tr("Mezerník nebo klepnutí na obrázek animaci pozastaví, šipka vpravo ji posune o krok.");
}

std::string_view soundHelpText() { return tr("Klávesa Z zapne a vypne zvuk, který sleduje graf."); }

std::string_view touchPauseHelpText() { return tr("Klepnutí na obrázek animaci pozastaví a znovu spustí."); }

std::string_view soundButtonText() { return tr("Zvuk sledující graf"); }

bool Lesson::take(const LessonInput& input)
{
    // Keys with a modifier stay the desktop's and the window's.
    if (input.modified) return false;
    const bool toggle = input.press && !input.repeat;
    switch (input.key) {
    case LessonKey::Space:
    case LessonKey::Drawing:
        if (!running_) return false;
        if (toggle) paused_ = !paused_;
        return true;
    case LessonKey::Right:
        if (!running_) return false;
        // However long the key is held, one step waits at a time.
        if (input.press && paused_) stepWanted_ = true;
        return true;
    case LessonKey::Z:
        // Outside a run a field's typing keeps its letter.
        if (!running_ && input.intoText) return false;
        if (toggle) toggleSound();
        return true;
    }
    return false;
}

void Lesson::toggleSound()
{
    if (sound_) {
        silence();
        sound_ = false;
        backend_.announce(tr("Zvuk je vypnutý."));
        return;
    }
    if (!soundStarted_) soundStarted_ = backend_.startSound();
    if (!soundStarted_) {
        backend_.announce(tr("Zvuk nejde přehrát: počítač nemá zvukové zařízení, které by šlo použít."));
        return;
    }
    sound_ = true;
    backend_.announce(tr("Zvuk je zapnutý."));
    if (running_ && !paused_ && point_) {
        pitch_ = pitchFor(*point_);
        backend_.tone(pitch_, toneLoudness);
    }
}

void Lesson::silence()
{
    if (sound_) backend_.tone(pitch_, 0);
    toneEnds_.reset();
}

void Lesson::runStarted()
{
    running_ = true;
    paused_ = stepWanted_ = stepped_ = false;
    point_.reset();
}

void Lesson::runEnded()
{
    running_ = paused_ = stepWanted_ = stepped_ = false;
    silence();
}

void Lesson::plotted(const PlottedStep& step)
{
    point_ = step;
    if (!sound_) return;
    pitch_ = pitchFor(step);
    backend_.tone(pitch_, toneLoudness);
}

void Lesson::hold()
{
    if (sound_) toneEnds_ = backend_.now() + (stepped_ ? Backend::Time{steppedTone} : Backend::Time{0});
    stepped_ = false;
    backend_.showReadout(readoutFor(*point_));
    backend_.announce(pausedText(stepValues(*point_)));
    while (paused_ && !stepWanted_ && !ended_) {
        if (toneEnds_ && backend_.now() >= *toneEnds_) silence();
        backend_.waitUntil(backend_.now() + pausedPoll);
    }
    backend_.hideReadout();
    toneEnds_.reset();
    if (stepWanted_) {
        stepWanted_ = false;
        stepped_ = true;
    } else if (!ended_) {
        backend_.announce(tr("Animace pokračuje."));
    }
}

} // namespace tavrolin
