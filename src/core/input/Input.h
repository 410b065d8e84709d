#pragma once

#include "basics/ControlId.h"
#include "layout/Layout.h"

#include <functional>
#include <optional>

namespace tavrolin {

// A key or a press of the pointer as every backend reports it, in no
// toolkit's terms: the backends only translate their events into these.
// The page's copy of these numbers is generated from this header.
enum class Key {
    Other,
    Space,
    Enter,
    Escape,
    Tab,
    Left,
    Right,
    Up,
    Down,
    PageUp,
    PageDown,
    Home,
    End,
    F11,
    Z,
    Pointer
};

// What the input landed on: the focused control for a key, the place under
// the pointer for a press.
enum class Target { Other, Drawing, TextField, OptionButton, ScrollBar, CommandButton, SoundButton };

struct Input {
    Key key = Key::Other;
    Target target = Target::Other;
    ControlId control = ControlId::Tavrolin; // the control it landed on, if any
    bool press = true;                       // false: the key's or the button's release
    bool repeat = false;                     // a held key's repetition
    bool shift = false;
    bool shortcut = false; // with Ctrl, Alt or the system key held: the desktop's
};

// Whose conventions a scroll bar's keys follow: on Windows Down and PgDn
// step a horizontal scroll bar on, elsewhere back, as a slider.
enum class Platform { Windows, Elsewhere };

// What the program does with an input that no run has taken.
enum class Does {
    Toolkit,      // nothing of the program's: the toolkit's own handling
    Presentation, // F11 or Escape: into or out of presentation mode
    Scroll,       // the scroll bar steps
    Press,        // the command button is pressed, or the option button chosen
    NextStop,     // the focus goes to the next tab stop
    PreviousStop,
    NextOption, // the next option button of the group is focused and chosen
    PreviousOption,
    Type, // the key goes into the text field
};

struct Action {
    Does does = Does::Toolkit;
    ScrollStep step = ScrollStep::LineOn; // for Does::Scroll
};

// The keys and the touch that a lesson uses during a run: Space or a click or
// tap on the drawing pauses and resumes, the right arrow steps while paused,
// Z turns the tone on and off at any time.
enum class LessonKey { Space, Right, Z, Drawing };

struct LessonInput {
    LessonKey key;
    bool press = true;     // false: the key's or button's release
    bool repeat = false;   // a held key's repetition
    bool intoText = false; // the focus is in a field one types into
    bool modified = false; // with Ctrl, Alt or the system key held
};

// What a target is, for a control of the layout.
Target targetOf(ControlId control);

// The lesson's keys and the touch of the drawing, if the input is one.
std::optional<LessonInput> lessonInputOf(const Input& input);

// The answer for an input the lesson has not taken and the program does not
// hold.
Action actionFor(const Input& input, Platform platform);

// The tab stops in the layout's tab order, the controls that `reachable`
// says are on the screen: a group of option buttons is one stop, at its
// chosen button. From outside the order, forward goes to the first stop and
// back to the last; the order wraps around.
ControlId nextTabStop(std::optional<ControlId> from, bool back, const std::function<bool(ControlId)>& reachable,
                      const std::function<bool(ControlId)>& chosen);
// The next option button of the frame in the layout's order, wrapping
// around, skipping those not on the screen.
ControlId nextOption(ControlId from, bool back, const std::function<bool(ControlId)>& reachable);

} // namespace tavrolin
