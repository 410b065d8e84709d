#include "PictureChecks.h"

#include <cmath>

namespace picture {

namespace {

bool nearPixel(const QImage& shot, QPoint origin, double x, double y, QRgb colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p = origin + QPoint(int(std::floor(x)) + dx, int(std::floor(y)) + dy);
            if (shot.valid(p) && shot.pixel(p) == colour) return true;
        }
    return false;
}

} // namespace

bool plateIsGlass(const QImage& shot, QPoint origin)
{
    // Two patches of the plate clear of the final rays and the axis label.
    const QRect left(32, 300, 30, 90), right(340, 250, 55, 100);
    return count(shot, origin, left, glass) == 30 * 90 && count(shot, origin, right, glass) == 55 * 100;
}

int pointsFound(const QImage& shot, QPoint origin, Curve curve, QRgb colour)
{
    const double a = 50, b = 50 * curve.length, step = 1.57041 / 100 * 5 * curve.frequency;
    int found = 0;
    for (int t = 0; t <= 300; t += 5) {
        const double value = 0.02 * (a * a + b * b - 2 * a * b * std::cos(step * t));
        found += nearPixel(shot, origin, 420 + value, 190.5 + t, colour);
    }
    return found;
}

int graphPixels(const QImage& shot, QPoint origin, QRgb colour)
{
    return count(shot, origin, QRect(421, 192, 370, 300), colour);
}

bool allOf(const QImage& shot, QPoint origin, QRect area, QRgb colour)
{
    return count(shot, origin, area, colour) == area.width() * area.height();
}

int count(const QImage& shot, QPoint origin, QRect area, QRgb colour)
{
    int n = 0;
    const QRect r = area.translated(origin) & shot.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += shot.pixel(x, y) == colour;
    return n;
}

} // namespace picture
