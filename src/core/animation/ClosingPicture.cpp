#include "animation/ClosingPicture.h"

#include "animation/Numbers.h"

#include <array>

namespace tavrolin::animation {

namespace {

using enum ControlId;

struct Caption {
    ControlId control;
    double (*left)(const SceneGeometry&);
    double (*top)(const SceneGeometry&);
};

constexpr std::array<Caption, 6> captions{{
    {imSilaSkla, [](const SceneGeometry&) { return 50.0; }, [](const SceneGeometry&) { return 400.0; }},
    {labOdrazovost, [](const SceneGeometry& g) { return g.graphX0 + 200; }, [](const SceneGeometry& g) { return g.graphY0 - 20; }},
    {labZdroj, [](const SceneGeometry& g) { return g.sourceX - 5; }, [](const SceneGeometry& g) { return g.sourceY - 30; }},
    {labDetektor, [](const SceneGeometry& g) { return g.detectorX - 40; }, [](const SceneGeometry& g) { return g.detectorY - 30; }},
    {labRelDelka, [](const SceneGeometry&) { return 600.0; }, [](const SceneGeometry&) { return 55.0; }},
    {labOdrazeného, [](const SceneGeometry&) { return 600.0; }, [](const SceneGeometry&) { return 70.0; }},
}};

} // namespace

void closingPicture(Toolkit& tk, const SceneGeometry& g, const SweepEnd& end)
{
    tk.setPenWidth(1);
    // The sweep's counter ends one past the last thickness, so the fill
    // reaches one row below the last bottom surface.
    const float left = single(g.glassLeft);
    const float right = single(g.glassRight);
    for (int r = 1; r <= end.counter; ++r) {
        const float y = single(g.glassTop + r);
        tk.drawLine(left, y, right, y, colGlass);
    }

    const float hitX = single(g.hitX);
    const float hitY = single(end.prevBottomY);
    tk.drawLine(single(g.sourceX), single(g.sourceY), hitX, hitY);
    tk.drawLine(hitX, hitY, single(g.detectorX), single(g.detectorY));

    for (const Caption& c : captions) {
        tk.showControl(c.control);
        tk.moveControl(c.control, single(c.left(g)), single(c.top(g)));
    }
}

} // namespace tavrolin::animation
