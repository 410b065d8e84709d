#pragma once

#include "layout/Layout.h"

#include "basics/Colour.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrolin {

// How wide a text is in the toolkit's font, in the pixels it is drawn in.
using MeasureText = std::function<double(std::string_view)>;

// One line of a painted label, placed in its box: from the box's corner, in
// the pixels the label is drawn in.
struct TextLine {
    std::string text;
    double left = 0;
    int top = 0;
    // Below 1 for a line the font makes wider than the box: it is drawn that
    // much narrower, whole and clear of the box's edge, rather than cut there.
    double squeeze = 1;
    bool operator==(const TextLine&) const = default;
};

// The height of a line of text in a font of this many pixels: its ascent and
// its descent each rounded up, as Windows sets the originals' lines (Times
// New Roman and Arial; Liberation has their metrics).
int lineHeight(FontFamily family, double fontPixels);

// How much narrower a text this wide must be drawn to fit the width.
double squeezeToFit(double textWidth, double width);

// The label's text in a box of this size: words wrap at the box's width
// where it has room for two lines; a one-line box keeps the text as it is,
// blanks and all. Every line stays whole in the box's width.
std::vector<TextLine> labelLines(std::string_view text, TextAlign align, FontFamily family, double fontPixels,
                                 int width, int height, const MeasureText& measure);

// The image control's axis label. The Czech program shows its bitmap ("Síla
// skla"); another language shows its own words, drawn as the bitmap has
// them: turned a quarter to the right (read from top to bottom), centred in
// the box, in the bitmap's colours.
struct AxisLabelText {
    std::string text;
    // Where the text's top-left corner lies before it is turned about it, from
    // the box's corner, in the pixels it is drawn in: the letters' tops face
    // right, so this is the right-hand edge of the line.
    double x = 0, y = 0;
};
constexpr FontStyle axisLabelFont{FontFamily::TimesNewRoman, 9.75, true};
constexpr Colour axisLabelInk{0x00101810};
constexpr Colour axisLabelBackground{0x00C0C7C0};
// None where the bitmap serves.
std::optional<AxisLabelText> axisLabelText(int width, int height, double fontPixels, const MeasureText& measure);

} // namespace tavrolin
