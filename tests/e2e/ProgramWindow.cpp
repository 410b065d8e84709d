#include "ProgramWindow.h"

#include "X11Session.h"

#include <QElapsedTimer>
#include <QThread>

#include <cmath>

using namespace tavrolin;
using X = X11Session;

namespace program_window {

QRect clientRect(ControlId id)
{
    const ControlRow& c = layoutOf(id);
    QRect r(c.left, c.top, c.width, c.height);
    if (c.container != ControlId::Tavrolin) r.translate(layoutOf(c.container).left, layoutOf(c.container).top);
    return r;
}

void clickOn(const picture::View& view, ControlId id)
{
    const QRect r = clientRect(id);
    X::click(view.toScreen(r.center().x() + 0.5, r.center().y() + 0.5));
}

bool waitUntilReady(const QString& windowId, picture::View& view, int timeoutMs)
{
    // The window manager maximizes it: wait until it says so and the client
    // area has grown past the layout's own width.
    QElapsedTimer t;
    t.start();
    const auto maximized = [&] {
        const QString state = X::property(windowId, "_NET_WM_STATE");
        return state.contains("_NET_WM_STATE_MAXIMIZED_VERT") && state.contains("_NET_WM_STATE_MAXIMIZED_HORZ") &&
               X::clientSize(windowId).width() > 792 * view.scale;
    };
    while (!maximized() && t.elapsed() < timeoutMs)
        QThread::msleep(50);
    // Drawn where it now stands, and given the keyboard by the window manager.
    const QRect green = clientRect(ControlId::op1);
    do {
        view.origin = X::clientOrigin(windowId);
        if (X::screenshot().pixel(view.toScreen(green.right() - 1, green.center().y())) == qRgb(0, 255, 0) &&
            X::run("xdotool", {"getactivewindow"}).trimmed() == windowId)
            return true;
        QThread::msleep(50);
    } while (t.elapsed() < timeoutMs);
    return false;
}

QString waitForQuestion(int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    const QString box = X::findWindow("^Tavrolin$", timeoutMs);
    while (!box.isEmpty() && X::run("xdotool", {"getactivewindow"}).trimmed() != box && t.elapsed() < timeoutMs)
        QThread::msleep(20);
    return box;
}

std::pair<QImage, bool> waitForClosingPicture(const picture::View& view, bool hadGlass, int timeoutMs)
{
    if (hadGlass) X::waitFor([&](const QImage& s) { return !picture::plateIsGlass(s, view); }, timeoutMs);
    auto [shot, done] = X::waitFor([&](const QImage& s) { return picture::plateIsGlass(s, view); }, timeoutMs);
    // The captions follow the fill at once; one more look includes them.
    return {done ? X::screenshot() : shot, done};
}

int plateRows(const QImage& shot, const picture::View& view)
{
    return int(std::lround(picture::count(shot, view, QRect(35, 191, 1, 301), picture::foreground) / view.scale));
}

bool showsReadout(const QImage& shot, const picture::View& view)
{
    constexpr QRgb readoutColour = 0xFFFFFFE1;
    return picture::count(shot, view, QRect(421, 192, 379, 390), readoutColour) > 2000;
}

} // namespace program_window
