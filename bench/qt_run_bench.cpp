// A real Start run in the Qt program: wall time against the nominal pause,
// process CPU time, how many steps reached the screen, and peak memory.
// --present runs it in presentation mode, the scene fitted to the screen.
// Usage (in a display): qt_run_bench SLOWDOWN [--no-pause | --present]
#include "StepIntervals.h"
#include "qt/Fonts.h"
#include "qt/Program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    const int slowDown = argc > 1 ? std::atoi(argv[1]) : 1;
    const bool noPause = argc > 2 && std::strcmp(argv[2], "--no-pause") == 0;
    const bool present = argc > 2 && std::strcmp(argv[2], "--present") == 0;

    QElapsedTimer startup;
    startup.start();
    QApplication app(argc, argv);
    tavrolin::qt::loadFonts();
    tavrolin::qt::Program program;
    if (!program.load()) return 1;
    program.show();
    while (!program.window().isVisible())
        QApplication::processEvents();
    QApplication::processEvents();
    const double startupMs = double(startup.nsecsElapsed()) / 1e6;
    if (present) {
        program.present(true);
        const QSize screen = program.window().screen()->size();
        QElapsedTimer t;
        t.start();
        while (program.window().size() != screen && t.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        QApplication::processEvents();
        std::printf("presentation mode: %dx%d, scene at %.3f\n", screen.width(), screen.height(),
                    tavrolin::fitInto(tavrolin::wholeScene, screen.width(), screen.height()).scale);
    }

    program.toolkit().setText(tavrolin::ControlId::nSpomaleni, std::to_string(slowDown));
    // Time spent in the waits beyond what was asked for, and when each step
    // was put on the screen (its wait begins right after the flush).
    std::chrono::nanoseconds overshoot{0};
    std::vector<std::chrono::steady_clock::time_point> shown;
    if (noPause) {
        program.backend().setWait([](std::chrono::nanoseconds) {});
    } else {
        program.backend().setWait([&overshoot, &shown](std::chrono::nanoseconds d) {
            const auto t0 = std::chrono::steady_clock::now();
            shown.push_back(t0);
            tavrolin::qt::QtBackend::waitAnsweringDesktop(d);
            overshoot += std::chrono::steady_clock::now() - t0 - d;
        });
    }

    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    program.bridge().post(tavrolin::ControlId::cmdStart, tavrolin::Event::Click);
    const double wallS = double(wall.nsecsElapsed()) / 1e9;
    const double cpuS = cpuSeconds() - cpu0;

    const double nominal = 301 * slowDown * 0.01;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("slow-down %d%s%s: wall %.3f s (nominal pause %.2f s, ratio %.3f), cpu %.3f s (%.1f %% of wall), "
                "steps shown %d of 301, waits overshot by %.3f s in all, start-up %.0f ms, peak memory %.1f MB\n",
                slowDown, noPause ? " without pause" : "", present ? " in presentation mode" : "", wallS,
                noPause ? 0.0 : nominal, noPause ? 0.0 : wallS / nominal, cpuS, 100.0 * cpuS / wallS,
                program.toolkit().stepsShown(), double(overshoot.count()) / 1e9, startupMs,
                double(usage.ru_maxrss) / 1024.0);
    printStepIntervals(shown, 10 * slowDown);
    return 0;
}
