#include "PictureChecks.h"

#include <cmath>

namespace picture {

// A layout pixel becomes the screen's pixels between its scaled edges, each
// edge at the nearest screen pixel.
QPoint View::toScreen(double x, double y) const
{
    return origin + QPoint(int(std::floor(x * scale + 0.5)), int(std::floor(y * scale + 0.5)));
}

QRect View::toScreen(QRect area) const
{
    return QRect(toScreen(area.left(), area.top()), toScreen(area.left() + area.width(), area.top() + area.height()) -
                                                        QPoint(1, 1));
}

namespace {

// Within a layout pixel of (x, y), in either direction.
bool nearPixel(const QImage& shot, const View& view, double x, double y, QRgb colour)
{
    const QPoint centre = view.toScreen(x, y);
    const int reach = int(std::ceil(view.scale));
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint p = centre + QPoint(dx, dy);
            if (shot.valid(p) && shot.pixel(p) == colour) return true;
        }
    return false;
}

} // namespace

bool plateIsGlass(const QImage& shot, const View& view)
{
    // Two patches of the plate clear of the final rays and the axis label.
    const QRect left(32, 300, 30, 90), right(340, 250, 55, 100);
    return allOf(shot, view, left, glass) && allOf(shot, view, right, glass);
}

int pointsFound(const QImage& shot, const View& view, Curve curve, QRgb colour)
{
    const double a = 50, b = 50 * curve.length, step = 1.57041 / 100 * 5 * curve.frequency;
    int found = 0;
    for (int t = 0; t <= 300; t += 5) {
        const double value = 0.02 * (a * a + b * b - 2 * a * b * std::cos(step * t));
        found += nearPixel(shot, view, 420 + value, 190.5 + t, colour);
    }
    return found;
}

int graphPixels(const QImage& shot, const View& view, QRgb colour)
{
    return count(shot, view, QRect(421, 192, 370, 300), colour);
}

int count(const QImage& shot, const View& view, QRect area, QRgb colour)
{
    int n = 0;
    const QRect r = view.toScreen(area) & shot.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += shot.pixel(x, y) == colour;
    return n;
}

double inkHeight(const QImage& shot, const View& view, QRect area, QRgb colour)
{
    int top = -1, bottom = -1;
    const QRect r = view.toScreen(area) & shot.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (shot.pixel(x, y) == colour) {
                if (top < 0) top = y;
                bottom = y;
                break;
            }
    return top < 0 ? 0 : (bottom - top + 1) / view.scale;
}

bool allOf(const QImage& shot, const View& view, QRect area, QRgb colour)
{
    const QRect r = view.toScreen(area);
    return count(shot, view, area, colour) == r.width() * r.height();
}

} // namespace picture
