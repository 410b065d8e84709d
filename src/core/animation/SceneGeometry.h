#pragma once

namespace tavrolin::animation {

// The named positions and lengths of the scene, in pixels of the drawing
// surface (origin top-left, y downwards). Computed afresh by every run for
// a fixed 800 x 581 scene; the window's real size is never consulted.
struct SceneGeometry {
    double areaWidth = 0, areaHeight = 0;
    double phaseStep = 0;               // radians the back-surface arrow turns per pixel
    double frontLen = 0, backLen = 0;   // arrow lengths; frontLen is the phase circle's radius
    double arrowCx = 0, arrowCy = 0;    // centre of the phase diagram
    double graphX0 = 0, graphX1 = 0;    // graph origin x, right end of the reflection axis
    double graphY0 = 0, graphY1 = 0;    // graph origin y, lower end of the thickness axis
    double glassLeft = 0, glassRight = 0, glassTop = 0;
    double sourceX = 0, sourceY = 0;
    double detectorX = 0, detectorY = 0;
    double hitX = 0;                    // x of both reflection points
    double maxLineX = 0, halfLineX = 0; // largest reachable value and half of it
};

// The factor that turns a squared arrow length into graph pixels.
constexpr double reflectScale = 0.02;

} // namespace tavrolin::animation
