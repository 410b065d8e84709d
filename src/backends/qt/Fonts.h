#pragma once

#include "layout/Layout.h"

#include <QFont>

#include <optional>

namespace tavrolin::qt {

// Registers the substitutes for the layout's Windows fonts that are not
// installed as system fonts. Call once after the QApplication exists.
void loadFonts();

// The font of a control: its own, or the window's default font, at the
// scale the scene is shown at.
QFont fontFor(const std::optional<FontStyle>& own, double scale = 1);

} // namespace tavrolin::qt
