#include "ColourMapping.h"

#include "surface/Failure.h"

#include <QApplication>
#include <QPalette>

namespace tavrolin::qt {

QColor toQColor(Colour colour)
{
    if (!colour.isSystem()) return QColor(int(colour.red()), int(colour.green()), int(colour.blue()));
    if (colour.systemIndex() == buttonFaceIndex) return QApplication::palette().color(QPalette::Button);
    throw Failure(error::toolkit, "Neznámá systémová barva " + std::to_string(colour.systemIndex()) + ".");
}

} // namespace tavrolin::qt
