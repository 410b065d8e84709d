#include "X11Session.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>

QString X11Session::run(const QString& program, const QStringList& args, int timeoutMs)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString X11Session::findWindow(const QString& titlePattern, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        const QString out = run("xdotool", {"search", "--onlyvisible", "--name", titlePattern}).trimmed();
        if (!out.isEmpty()) return out.split('\n').first();
        QThread::msleep(50);
    }
    return {};
}

static int infoValue(const QString& info, const QString& label)
{
    const QRegularExpression re(QRegularExpression::escape(label) + ":\\s*(-?\\d+)");
    return re.match(info).captured(1).toInt();
}

QPoint X11Session::clientOrigin(const QString& windowId)
{
    const QString info = run("xwininfo", {"-id", windowId});
    return {infoValue(info, "Absolute upper-left X"), infoValue(info, "Absolute upper-left Y")};
}

QSize X11Session::clientSize(const QString& windowId)
{
    const QString info = run("xwininfo", {"-id", windowId});
    return {infoValue(info, "Width"), infoValue(info, "Height")};
}

QString X11Session::property(const QString& windowId, const QString& name)
{
    return run("xprop", {"-id", windowId, name});
}

QImage X11Session::screenshot()
{
    // Read straight from the X server: a forked screenshot tool per poll
    // would cost more than the program being watched.
    static xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) return {};
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const int width = screen->width_in_pixels, height = screen->height_in_pixels;
    xcb_get_image_reply_t* reply =
        xcb_get_image_reply(connection,
                            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, 0, 0,
                                          std::uint16_t(width), std::uint16_t(height), ~0u),
                            nullptr);
    if (!reply) return {};
    // 24-bit depth in 32-bit pixels, blue first: Qt's layout with an alpha
    // byte the server leaves undefined, which the conversion makes opaque.
    QImage shot;
    if (reply->depth == 24 && xcb_get_image_data_length(reply) == width * height * 4)
        shot = QImage(xcb_get_image_data(reply), width, height, width * 4, QImage::Format_ARGB32)
                   .convertToFormat(QImage::Format_RGB32);
    std::free(reply);
    return shot;
}

void X11Session::click(QPoint at)
{
    run("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
}

void X11Session::key(const QString& keyName) { run("xdotool", {"key", keyName}); }

std::pair<QImage, bool> X11Session::waitFor(const std::function<bool(const QImage&)>& holds, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    QImage shot;
    for (;;) {
        shot = screenshot();
        if (holds(shot)) return {shot, true};
        if (timer.elapsed() > timeoutMs) return {shot, false};
        QThread::msleep(100);
    }
}
