#pragma once

#include "surface/Colour.h"

#include <QColor>

namespace tavrolin::qt {

// A program colour as Qt's: 0x00BBGGRR, or a system colour resolved now
// from the application palette.
QColor toQColor(Colour colour);

} // namespace tavrolin::qt
