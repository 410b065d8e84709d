#include "surface/qt/Fonts.h"
#include "surface/qt/Program.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt aborts with a platform-plugin trace; say it plainly.
bool displayAvailable()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fputs("tavrolin: no display available (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "Start Tavrolin from a graphical desktop session.\n",
                   stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrolin"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TAVROLIN_APP_ID));
    tavrolin::qt::loadFonts();
    tavrolin::qt::Program program;
    return program.run();
}
