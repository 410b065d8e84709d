#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

// What a finished run must show, checked on a screenshot of the whole
// screen, whichever backend drew it. Positions are the layout's pixels; the
// view says where the client area lies on the screen and how much the
// screen scales it (2 on a projector at 200 %).
namespace picture {

struct View {
    QPoint origin;
    double scale = 1;

    QPoint toScreen(double x, double y) const;
    QRect toScreen(QRect area) const;
};

constexpr QRgb silver = 0xFFC0C0C0;
constexpr QRgb glass = 0xFFC0FFFF;
constexpr QRgb foreground = 0xFF030043;
constexpr QRgb green = 0xFF00FF00;
constexpr QRgb blue = 0xFF0000FF;
constexpr QRgb red = 0xFFFF0000;

// The plate of the closing picture is glass-coloured.
bool plateIsGlass(const QImage& shot, const View& view);

// The scene with frequency f and arrow length n: the reflection value at
// thickness t is 0.02 (a² + b² − 2ab cos φ), a = 50, b = 50 n.
struct Curve {
    double frequency = 1, length = 1;
};

// How many of the curve's points (every fifth thickness) show the colour
// within a pixel of where the formula puts them.
int pointsFound(const QImage& shot, const View& view, Curve curve, QRgb colour);

// Pixels of the colour inside the graph region, right of the thickness axis.
int graphPixels(const QImage& shot, const View& view, QRgb colour);

// Pixels of a colour in an area.
int count(const QImage& shot, const View& view, QRect area, QRgb colour);

// From the top row to the bottom row of the area that show the colour, in
// layout pixels; 0 if none does.
double inkHeight(const QImage& shot, const View& view, QRect area, QRgb colour);

// Every pixel of the area has the colour.
bool allOf(const QImage& shot, const View& view, QRect area, QRgb colour);

} // namespace picture
