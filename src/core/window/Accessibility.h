#pragma once

#include "surface/ControlId.h"

#include <string>
#include <string_view>

namespace tavrolin {

// What a screen reader says for the controls whose caption does not say it
// (the scroll bar has none, the title field's text is its content), and for
// the drawing, which no control describes. Czech, as everything the user
// reads. Empty where the caption serves.
std::string_view accessibleName(ControlId id);

// A longer explanation where the window shows one only as painted text: the
// two-line heading above the arrow-length frame. Empty elsewhere.
std::string accessibleDescription(ControlId id);

constexpr std::string_view drawingDescription =
    "Animace: světlo ze zdroje se odráží k detektoru na horním a dolním rozhraní skleněné desky. "
    "Fázový diagram ukazuje vektory obou odrazů a jejich výslednici; graf vpravo ukazuje "
    "odrazivost v závislosti na tloušťce desky.";

// The desktop window's description: the drawing's, and how to show it on
// the whole screen.
std::string desktopWindowDescription();

} // namespace tavrolin
