#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

// Drives a program's window in the current X display as a user would:
// mouse and keys through xdotool, pictures through screenshots.
class X11Session {
public:
    // Runs a helper command to its end and returns what it printed.
    static QString run(const QString& program, const QStringList& args, int timeoutMs = 10000);

    // Finds the visible top-level window whose title matches, waiting for it.
    static QString findWindow(const QString& titlePattern, int timeoutMs = 10000);
    static QPoint clientOrigin(const QString& windowId);
    static QSize clientSize(const QString& windowId);
    static QString property(const QString& windowId, const QString& name);

    // A screenshot of the whole screen.
    static QImage screenshot();

    static void click(QPoint screenPoint);
    static void key(const QString& keyName);

    // Takes screenshots until the predicate holds for one or the time is up;
    // returns the last screenshot and whether it held.
    static std::pair<QImage, bool> waitFor(const std::function<bool(const QImage&)>& holds, int timeoutMs);
};
