#pragma once

#include "basics/Colour.h"
#include "basics/PlottedStep.h"
#include "layout/LabelText.h"
#include "layout/Layout.h"

#include <string>
#include <vector>

namespace tavrolin {

// The values beside the graph's current point while a run is paused. It lies
// above the drawing, never in it: the picture under it stays as it was.
// Positions are the layout's pixels; a backend scales them as the scene.
struct Readout {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<TextLine> lines; // from the box's corner, in the layout's pixels
    bool operator==(const Readout&) const = default;
};

// Large enough to be read from the back of a classroom.
constexpr FontStyle readoutFont{FontFamily::TimesNewRoman, 12, true};
constexpr Colour readoutInk{0x00000000};
constexpr Colour readoutBackground{0x00E1FFFF};
constexpr int readoutPadding = 4;
constexpr int readoutBorder = 1; // in the ink's colour, never thinner than a device pixel
constexpr int readoutWidth = 200;

// The three values of a step, as the readout and a screen reader give them.
struct StepValues {
    int thickness = 0; // pixels
    int degrees = 0;   // the back-surface arrow's turn, 0 to 359
    int percent = 0;   // the reflection as a share of its largest value for these settings
};
StepValues stepValues(const PlottedStep& step);

// Its lines, for every language the longest of them fitting readoutWidth.
std::vector<std::string> readoutTexts(const StepValues& values);
// Beside the point, on the side where the scene has room, never off it.
Readout readoutFor(const PlottedStep& step);
// What a screen reader says on a pause and on each step while paused.
std::string pausedText(const StepValues& values);

} // namespace tavrolin
