#include "win32/Program.h"

#include <windows.h>

// After windows.h, whose types it uses.
#include <mmsystem.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    // A step's pause is 10 ms; the default 15.6 ms timer tick would stretch it.
    timeBeginPeriod(1);
    tavrolin::win32::Program program(instance);
    int status = 1;
    if (program.created() && program.load()) {
        program.show(showCommand);
        status = program.run();
    }
    timeEndPeriod(1);
    return status;
}
