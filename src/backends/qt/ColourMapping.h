#pragma once

#include "basics/Colour.h"

#include <QColor>

namespace tavrolin::qt {

// A program colour as Qt's: 0x00BBGGRR, a system colour looked up in the
// application palette.
QColor toQColor(Colour colour);
Colour paletteButtonFace();

} // namespace tavrolin::qt
