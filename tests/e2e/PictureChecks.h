#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

#include <vector>

// What a finished run must show, checked on a screenshot of the client area
// (origin given), whichever backend drew it.
namespace picture {

constexpr QRgb silver = 0xFFC0C0C0;
constexpr QRgb glass = 0xFFC0FFFF;
constexpr QRgb foreground = 0xFF030043;
constexpr QRgb green = 0xFF00FF00;
constexpr QRgb blue = 0xFF0000FF;
constexpr QRgb red = 0xFFFF0000;

// The plate of the closing picture is glass-coloured.
bool plateIsGlass(const QImage& shot, QPoint origin);

// The start-up settings' scene geometry with frequency f and arrow length n:
// the reflection value at thickness t is 0.02 (a² + b² − 2ab cos φ).
struct Curve {
    double frequency = 1, length = 1;
};

// How many of the curve's points (every fifth thickness) show the colour
// within a pixel of where the formula puts them.
int pointsFound(const QImage& shot, QPoint origin, Curve curve, QRgb colour);

// Pixels of the colour inside the graph region, right of the thickness axis.
int graphPixels(const QImage& shot, QPoint origin, QRgb colour);

// Every pixel of the area (client coordinates) has the colour.
bool allOf(const QImage& shot, QPoint origin, QRect area, QRgb colour);

// Pixels of a colour in an area (client coordinates).
int count(const QImage& shot, QPoint origin, QRect area, QRgb colour);

} // namespace picture
