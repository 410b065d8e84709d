#pragma once

#include "layout/Layout.h"
#include "layout/PaintedControls.h"

#include <functional>

namespace tavrolin {

// A part of the scene, in the layout's pixels.
struct SceneBox {
    int left, top, width, height;
};

// Everything that ever shows more than the background: the controls, the
// plate at its thickest, the phase diagram, the graph down to the end of its
// thickness axis. The rows a run clears below it are background on
// background.
constexpr SceneBox wholeScene{0, 0, 800, 545};

// What stays of the scene when the settings are in a touch panel: the plate,
// the rays, the phase diagram, the graph and the captions painted with them.
constexpr SceneBox drawingPart{0, 30, 800, 515};

// A box shown in an area: the scale, and where the box's top left corner
// goes so that it stands centred, in the area's units.
struct Fit {
    double scale;
    double left, top;
};

// The largest scale at which the whole box fits the area, s = min(area
// width / box width, area height / box height), centred. An area too small
// to show anything gives the smallest scale that still draws a pixel.
Fit fitInto(const SceneBox& box, double areaWidth, double areaHeight);

enum class FitMode {
    Wide,  // the layout as it stands, scaled as a whole
    Touch, // the settings in a panel with large targets, the drawing beside or below
};

enum class PanelSide { Above, Beside };

// What the program shows on a screen of that size (in its own units: CSS
// pixels in a browser) with that kind of pointer. Touch mode for a finger,
// or wherever the whole layout would have to shrink below its own size.
struct Presentation {
    FitMode mode;
    PanelSide panel; // touch mode: above the drawing in portrait, beside it in landscape
};

Presentation presentationFor(double screenWidth, double screenHeight, bool coarsePointer);

// Where a real control goes in its parent when the scene is shown scaled,
// its top left corner at the layout position (left, top). Its edges are the
// scaled positions of its layout edges in the window: a control in a frame
// is placed at its frame's place plus its own, less the frame's scaled
// corner, so that a frame's buttons keep their places against the window's
// other controls. The scene's corner, at origin on the screen's pixels,
// moves the window's own controls. `scaled` turns a layout position into the
// screen's pixels, equal positions into equal pixels.
struct ScreenPoint {
    int x, y;
};

PixelRect placeControl(const ControlRow& control, int left, int top, ScreenPoint origin,
                       const std::function<int(int)>& scaled);

// The desktop programs show the scene 1:1 (times the system's scale) in
// their normal window; in presentation mode the window fills the screen and
// the scene is fitted to it. F11 switches between the two, Escape leaves
// presentation mode.
enum class DesktopKey { F11, Escape, Other };

bool presentingAfter(bool presenting, DesktopKey key);

// The scene's fit in the desktop window's client area of that size.
Fit desktopFit(bool presenting, double clientWidth, double clientHeight);

// The device position of a layout pixel's edge at a whole DPI (96 is 1:1):
// layout pixels side by side stay side by side, equal positions equal.
constexpr int edgeAtDpi(int layout, int dpi)
{
    const double device = double(layout) * dpi / 96 + 0.5;
    const int whole = int(device);
    return whole > device ? whole - 1 : whole; // floor, in a constant expression
}

// The same fit for a toolkit that scales by a whole DPI (the Windows
// program): the system's DPI in the normal window; in presentation mode the
// largest whole DPI at which the scene fits, the scene centred at it.
struct DpiFit {
    int dpi;
    int left, top;
};
DpiFit desktopDpiFit(bool presenting, int systemDpi, int clientWidth, int clientHeight);

} // namespace tavrolin
