#pragma once

#include "basics/Answer.h"
#include "basics/Colour.h"
#include "basics/ControlId.h"
#include "layout/PaintedControls.h"
#include "layout/Readout.h"

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace tavrolin {

// A question as every backend shows it, in the program's words: the yes
// button first, the no button beside it.
struct Question {
    std::string_view title, prompt, yes, no;
    // The answer Enter gives: its button has the focus as the box opens.
    Answer byDefault = Answer::Yes;
    // Whether Escape or the box's close button may end it without an
    // answer (Answer::Other); if not, it stays until a button is chosen.
    bool dismissible = false;
};
std::string_view yesCaption();
std::string_view noCaption();

// What a window toolkit carries out for the program: primitives, and no
// decision of the program's. The core has checked every argument before it
// gets here: a control exists in the layout and is of the right kind, a
// colour is resolved, a pen is at least one pixel wide, a position fits an
// int. Coordinates are the layout's pixels of the window's client area.
class Backend {
public:
    using Time = std::chrono::nanoseconds; // of a monotonic clock

    virtual ~Backend() = default;

    // Drawing, aliased, into the retained picture.
    virtual void drawLine(float x1, float y1, float x2, float y2, Colour colour, int penWidth) = 0;
    virtual void drawCircle(float x, float y, float radius, Colour colour, int penWidth) = 0;
    // Paints the background or painted controls (labels, the image) as the
    // steps say, each control at its place in `painted`.
    virtual void paint(const std::vector<PaintStep>& steps, const PaintedControls& painted) = 0;
    // Puts everything drawn so far on the screen.
    virtual void flush() = 0;
    // The system colour of button faces, which the layout uses.
    virtual Colour buttonFace() = 0;

    // Controls the toolkit made from the layout.
    virtual bool hasControl(ControlId id) = 0;
    virtual std::string text(ControlId field) = 0;
    virtual void setText(ControlId field, std::string_view text) = 0;
    virtual bool checked(ControlId button) = 0;
    virtual void setChecked(ControlId button, bool checked) = 0;
    virtual int scrollValue(ControlId scrollBar) = 0;
    // Moves the thumb without reporting a change: the core reports it.
    virtual void setScrollValue(ControlId scrollBar, int value) = 0;
    // The keyboard focus goes to the control, as Tab takes it there.
    virtual void focus(ControlId id) = 0;
    // The button is clicked as the user would, and the toolkit reports it.
    virtual void click(ControlId button) = 0;
    virtual void showControl(ControlId id) = 0;
    virtual void moveControl(ControlId id, int left, int top) = 0;

    // The steady clock, unless the toolkit keeps time of its own.
    virtual Time now() { return std::chrono::duration_cast<Time>(std::chrono::steady_clock::now().time_since_epoch()); }
    // Returns at the deadline, the window painted and answering the desktop
    // meanwhile, the user's input held.
    virtual void waitUntil(Time deadline) = 0;

    // The modal question, as the question says.
    virtual Answer askYesNo(const Question& question) = 0;
    // The failure box; the program ends after it.
    virtual void showFailure(std::string_view title, std::string_view text) = 0;
    // The decimal separator of the user's language.
    virtual std::string decimalSeparator() = 0;

    // Input is held: have the core's deliverHeldInput called from the event
    // loop, not from inside the input just handled.
    virtual void scheduleHeldInput() = 0;
    // Tells a screen reader's user, politely, what the picture does now.
    virtual void announce(std::string_view /*text*/) {}

    // The readout of a paused run, above the drawing, and its removal.
    virtual void showReadout(const Readout& /*readout*/) {}
    virtual void hideReadout() {}
    // Opens the sound device, silent; false where there is none to be had.
    virtual bool startSound() { return false; }
    // The tone glides to this pitch and fades to this loudness, 0 silence,
    // as the tone's constants say.
    virtual void tone(double /*hz*/, double /*loudness*/) {}
    // Ends the program: closes the window, with this exit status.
    virtual void close(int exitStatus) = 0;
};

} // namespace tavrolin
