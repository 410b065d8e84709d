#include "ColourMapping.h"

#include "toolkit/BackendToolkit.h"

#include <QApplication>
#include <QPalette>

namespace tavrolin::qt {

Colour paletteButtonFace()
{
    const QColor face = QApplication::palette().color(QPalette::Button);
    return rgb(unsigned(face.red()), unsigned(face.green()), unsigned(face.blue()));
}

QColor toQColor(Colour colour)
{
    const Colour c = colour.isSystem() ? resolveColour(colour, paletteButtonFace()) : colour;
    return QColor(int(c.red()), int(c.green()), int(c.blue()));
}

} // namespace tavrolin::qt
