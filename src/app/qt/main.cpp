#include "DisplayCheck.h"
#include "qt/Fonts.h"
#include "qt/Program.h"
#include "tavrolin_version.h"
#include "text/Catalogue.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

constexpr const char* startFromDesktop = "Start Tavrolin from a graphical desktop session.";
QtMessageHandler qtHandler = nullptr;

// Should the platform still fail to open in a way the check above did not
// foresee, Qt's fatal message ends the program with the same plain report,
// after Qt's own warnings, instead of an abort and a core dump.
void platformFailed(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        if (qtHandler) qtHandler(type, context, message);
        return;
    }
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    std::fprintf(stderr, "tavrolin: no window can be opened on the display %s%s%s.\n%s\n", display ? display : "",
                 display && wayland ? " or " : "", wayland ? wayland : "", startFromDesktop);
    _exit(2);
}

} // namespace

int main(int argc, char** argv)
{
    if (const auto why = tavrolin::app::displayProblem()) {
        std::fprintf(stderr, "tavrolin: %s.\n%s\n", why->c_str(), startFromDesktop);
        return 2;
    }
    qtHandler = qInstallMessageHandler(platformFailed);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    QApplication::setApplicationName(QStringLiteral("Tavrolin"));
    QApplication::setApplicationVersion(QStringLiteral(TAVROLIN_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TAVROLIN_APP_ID));
    tavrolin::qt::loadFonts();
    // The system's language for messages, as gettext reads it; TAVROLIN_LANG
    // names another.
    const char* named = std::getenv("TAVROLIN_LANG");
    tavrolin::setLanguage(
        tavrolin::chooseLanguage(named ? std::optional<std::string_view>(named) : std::nullopt,
                                 tavrolin::posixPreferredLanguages(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                                                                   std::getenv("LC_MESSAGES"), std::getenv("LANG"))));
    tavrolin::qt::Program program;
    return program.run();
}
