#include "animation/ThicknessSweep.h"

#include "animation/Numbers.h"
#include "layout/SettingsTexts.h"
#include "toolkit/Pacing.h"

#include <cmath>
#include <optional>

namespace tavrolin::animation {

namespace {

using enum ControlId;

struct Point {
    double x, y;
};

// Tip of the back-surface arrow, which starts at the front arrow's tip and
// points left at angle 0, turning clockwise on the screen as a grows.
Point tip(const SceneGeometry& g, double a)
{
    return {checked(g.arrowCx + g.frontLen - g.backLen * std::cos(a)), checked(g.arrowCy - g.backLen * std::sin(a))};
}

void line(Toolkit& tk, Point from, Point to, std::optional<Colour> colour = std::nullopt)
{
    tk.drawLine(single(from.x), single(from.y), single(to.x), single(to.y), colour);
}

// The graph colour word decides the point's colour; any other text plots
// nothing. A word is matched exactly, case and blanks included.
struct GraphColour {
    bool plotted;
    std::optional<Colour> colour;
};

GraphColour graphColour(const std::string& word)
{
    if (word == texts::modrá) return {true, rgb(0, 0, 255)};
    if (word == texts::zelená) return {true, rgb(0, 255, 0)};
    if (word == texts::červená) return {true, rgb(255, 0, 0)};
    if (word == texts::černá) return {true, std::nullopt};
    return {false, std::nullopt};
}

} // namespace

double reflectValue(const SceneGeometry& g, double phase)
{
    double s = (g.backLen * std::sin(phase)) * (g.backLen * std::sin(phase));
    s = s + ((-g.frontLen) + g.backLen * std::cos(phase)) * ((-g.frontLen) + g.backLen * std::cos(phase));
    return checked(reflectScale * s);
}

SweepEnd thicknessSweep(Toolkit& tk, const SceneGeometry& g)
{
    const Point source{g.sourceX, g.sourceY};
    const Point detector{g.detectorX, g.detectorY};
    const Point topHit{g.hitX, g.glassTop};
    const Point centre{g.arrowCx, g.arrowCy};
    const Point frontTip{g.arrowCx + g.frontLen, g.arrowCy};

    const double smallest = reflectScale * (g.frontLen - g.backLen) * (g.frontLen - g.backLen);
    const double largest = reflectScale * (g.frontLen + g.backLen) * (g.frontLen + g.backLen);

    int thickness = 0;
    double prevBottomY = 0;
    for (; thickness <= maxThickness; ++thickness) {
        line(tk, centre, frontTip);

        const double bottomY = g.glassTop + thickness;
        prevBottomY = g.glassTop + (thickness - 1);
        line(tk, {g.glassLeft, bottomY}, {g.glassRight, bottomY});

        // The rays by way of the bottom surface move with it: the previous
        // pair is drawn again in the background colour, then the new pair.
        const Point bottomHit{g.hitX, bottomY};
        const Point prevBottomHit{g.hitX, prevBottomY};
        tk.setPenWidth(1);
        line(tk, source, topHit);
        line(tk, source, prevBottomHit, colSilver);
        line(tk, topHit, detector);
        tk.setPenWidth(1);
        line(tk, source, bottomHit);
        line(tk, prevBottomHit, detector, colSilver);
        line(tk, bottomHit, detector);

        // The old resultant is not erased but left as a pale trail.
        tk.setPenWidth(2);
        const double phase = checked(g.phaseStep * thickness);
        const double prevPhase = checked(g.phaseStep * (thickness - 1));
        line(tk, frontTip, tip(g, prevPhase), colButtonFace);
        line(tk, frontTip, tip(g, phase), rgb(255, 0, 0));
        line(tk, centre, tip(g, prevPhase), colPaleRed);
        line(tk, centre, tip(g, phase));

        const double value = reflectValue(g, phase);

        tk.setPenWidth(2);
        if (const GraphColour point = graphColour(tk.getText(nBarva)); point.plotted)
            tk.drawCircle(single(g.graphX0 + value), single(g.graphY0 + thickness), 1, point.colour);

        tk.setPenWidth(1);
        for (int r = 1; r <= thickness; ++r)
            line(tk, {g.glassLeft, g.glassTop + r}, {g.glassRight, g.glassTop + r});

        tk.stepPlotted({thickness, phase, value, smallest, largest, g.graphX0 + value, g.graphY0 + thickness});

        const double delayCount = checked(tk.numberFromText(tk.getText(nSpomaleni)) * countsPerSlowDown);
        tk.pause(pauseFor(delayCount));
    }
    return {thickness, prevBottomY};
}

} // namespace tavrolin::animation
