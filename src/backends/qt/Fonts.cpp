#include "Fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace tavrolin::qt {

namespace {

// Metric-compatible or look-alike free fonts first where the Windows
// originals are absent; fontconfig picks the first one it has.
QStringList familiesFor(FontFamily family)
{
    switch (family) {
    case FontFamily::TimesNewRoman:
        return {"Times New Roman", "Liberation Serif", "Tinos", "DejaVu Serif"};
    case FontFamily::MsSansSerif:
        return {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "DejaVu Sans"};
    }
    return {};
}

} // namespace

void loadFonts()
{
    // Debian's fonts-wine ships an "MS Sans Serif" look-alike outside the
    // fontconfig path. It holds bitmaps of 13, 16 and 20 pixels only; on a
    // scaled screen (a projector at 200 %) the outline sans looks better.
    if (qGuiApp->devicePixelRatio() != 1.0) return;
    static const char* const candidates[] = {"/usr/share/wine/fonts/ms_sans_serif.ttf"};
    for (const char* path : candidates)
        QFontDatabase::addApplicationFont(QString::fromUtf8(path));
}

QFont fontFor(const std::optional<FontStyle>& own, double scale)
{
    const FontStyle f = own.value_or(windowLayout().defaultFont);
    QFont font;
    QStringList families = familiesFor(f.family);
    // The look-alike of MS Sans Serif holds bitmaps of three sizes only: a
    // font grown with the scene takes the outline sans.
    if (scale != 1 && f.family == FontFamily::MsSansSerif) families.removeFirst();
    font.setFamilies(families);
    font.setPixelSize(std::max(1, int(std::lround(f.pixelSize() * scale))));
    font.setBold(f.bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

} // namespace tavrolin::qt
