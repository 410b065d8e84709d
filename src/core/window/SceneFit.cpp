#include "window/SceneFit.h"

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

} // namespace tavrolin
