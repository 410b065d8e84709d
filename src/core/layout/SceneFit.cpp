#include "layout/SceneFit.h"

#include <algorithm>
#include <cmath>

namespace tavrolin {

namespace {

// Below this, a layout pixel would no longer be seen at all.
constexpr double smallestScale = 1.0 / 16;

double positive(double v) { return std::isfinite(v) && v > 0 ? v : 0; }

} // namespace

Fit fitInto(const SceneBox& box, double areaWidth, double areaHeight)
{
    const double width = positive(areaWidth), height = positive(areaHeight);
    const double scale = std::max(smallestScale, std::min(width / box.width, height / box.height));
    return {scale, (width - box.width * scale) / 2, (height - box.height * scale) / 2};
}

PixelRect placeControl(const ControlRow& c, int left, int top, ScreenPoint origin,
                       const std::function<int(int)>& scaled)
{
    int x = 0, y = 0;
    if (c.container != ControlId::Tavrolin) {
        x = layoutOf(c.container).left;
        y = layoutOf(c.container).top;
        origin = {0, 0};
    }
    const int l = scaled(x + left) - scaled(x), t = scaled(y + top) - scaled(y);
    const int r = scaled(x + left + c.width) - scaled(x), b = scaled(y + top + c.height) - scaled(y);
    return {origin.x + l, origin.y + t, r - l, b - t};
}

Presentation presentationFor(double screenWidth, double screenHeight, bool coarsePointer)
{
    const PanelSide side = screenHeight >= screenWidth ? PanelSide::Above : PanelSide::Beside;
    const bool shrunk = fitInto(wholeScene, screenWidth, screenHeight).scale < 1;
    return {coarsePointer || shrunk ? FitMode::Touch : FitMode::Wide, side};
}

bool presentingAfter(bool presenting, DesktopKey key)
{
    switch (key) {
    case DesktopKey::F11:
        return !presenting;
    case DesktopKey::Escape:
        return false;
    case DesktopKey::Other:
        break;
    }
    return presenting;
}

Fit desktopFit(bool presenting, double clientWidth, double clientHeight)
{
    return presenting ? fitInto(wholeScene, clientWidth, clientHeight) : Fit{1, 0, 0};
}

DpiFit desktopDpiFit(bool presenting, int systemDpi, int clientWidth, int clientHeight)
{
    if (!presenting) return {systemDpi, 0, 0};
    const Fit fit = desktopFit(true, clientWidth, clientHeight);
    const int dpi = std::max(1, int(std::floor(96 * fit.scale)));
    return {dpi, (clientWidth - edgeAtDpi(wholeScene.width, dpi)) / 2,
            (clientHeight - edgeAtDpi(wholeScene.height, dpi)) / 2};
}

} // namespace tavrolin
