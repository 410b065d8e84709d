#include "surface/qt/Fonts.h"
#include "surface/qt/Program.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/stat.h>

namespace {

const char* env(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

// Without a display Qt aborts with a platform-plugin trace; say it plainly.
// A local X display (":0", ":1.0") is there when its socket is; a remote
// one is left for Qt to try.
const char* missingDisplay()
{
    if (env("WAYLAND_DISPLAY") || env("QT_QPA_PLATFORM")) return nullptr;
    const char* display = env("DISPLAY");
    if (!display) return "no display available (neither DISPLAY nor WAYLAND_DISPLAY is set)";
    if (display[0] != ':') return nullptr;
    const std::string number = std::string(display + 1).substr(0, std::string(display + 1).find('.'));
    struct stat info {};
    if (stat(("/tmp/.X11-unix/X" + number).c_str(), &info) != 0) return "the display named by DISPLAY is not running";
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    if (const char* why = missingDisplay()) {
        std::fprintf(stderr, "tavrolin: %s.\nStart Tavrolin from a graphical desktop session.\n", why);
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
