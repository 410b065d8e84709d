#include "X11Session.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>

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
    QProcess p;
    p.start("import", {"-window", "root", "png:-"});
    p.waitForFinished(20000);
    return QImage::fromData(p.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
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
