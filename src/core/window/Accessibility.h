#pragma once

#include "basics/ControlId.h"

#include <string>
#include <string_view>

namespace tavrolin {

// What a screen reader says for the controls whose caption does not say it
// (the scroll bar has none, the title field's text is its content), and for
// the drawing, which no control describes, in the user's language. Empty
// where the caption serves.
std::string_view accessibleName(ControlId id);

// A longer explanation where the window shows one only as painted text: the
// two-line heading above the arrow-length frame. Empty elsewhere.
std::string accessibleDescription(ControlId id);

// What the drawing shows, and the keys that pause, step and sound a run.
std::string drawingDescription();
std::string_view sceneDescription();

// The desktop window's description: the drawing's, and how to show it on
// the whole screen.
std::string desktopWindowDescription();

} // namespace tavrolin
