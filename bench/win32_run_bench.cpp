// A real Start run in the Windows program: wall time against the nominal
// pause, process CPU time, and the step-to-step intervals, from when each
// step was put on the screen. Usage (under wine, in a display):
//   win32_run_bench.exe SLOWDOWN
#include "StepIntervals.h"
#include "win32/Program.h"

#include <windows.h>

// After windows.h, whose types it uses.
#include <mmsystem.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double cpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto seconds = [](FILETIME t) { return double((ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7; };
    return seconds(kernel) + seconds(user);
}

} // namespace

int main(int argc, char** argv)
{
    const int slowDown = argc > 1 ? std::atoi(argv[1]) : 1;
    timeBeginPeriod(1);
    tavrolin::win32::Program program(GetModuleHandleW(nullptr));
    if (!program.created() || !program.load()) return 1;
    program.show(SW_SHOWNORMAL);
    // Lets the window come up and settle before the run.
    program.backend().waitAnsweringDesktop(std::chrono::milliseconds(500));

    program.toolkit().setText(tavrolin::ControlId::nSpomaleni, std::to_string(slowDown));
    using Clock = std::chrono::steady_clock;
    std::vector<Clock::time_point> shown;
    program.backend().setWait([&program, &shown](std::chrono::nanoseconds d) {
        shown.push_back(Clock::now());
        program.backend().waitAnsweringDesktop(d);
    });

    const double cpu0 = cpuSeconds();
    const auto started = Clock::now();
    program.post(tavrolin::ControlId::cmdStart, tavrolin::Event::Click);
    const double wall = std::chrono::duration<double>(Clock::now() - started).count();
    const double cpu = cpuSeconds() - cpu0;

    const double nominal = 301 * slowDown * 0.01;
    std::printf("slow-down %d under wine: wall %.3f s (nominal pause %.2f s, ratio %.3f), cpu %.3f s, "
                "steps shown %d of 301\n",
                slowDown, wall, nominal, wall / nominal, cpu, program.toolkit().stepsShown());
    printStepIntervals(shown, 10 * slowDown);
    std::fflush(stdout);
    timeEndPeriod(1);
    return 0;
}
