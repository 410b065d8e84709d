#include "text/Catalogue.h"
#include "win32/Program.h"
#include "win32/UserLanguage.h"

#include <windows.h>

// After windows.h, whose types it uses.
#include <mmsystem.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    // A step's pause is 10 ms; the default 15.6 ms timer tick would stretch it.
    timeBeginPeriod(1);
    // The user's interface language; TAVROLIN_LANG names another.
    const auto named = tavrolin::win32::namedLanguage();
    tavrolin::setLanguage(tavrolin::chooseLanguage(named, tavrolin::win32::preferredLanguages()));
    tavrolin::win32::Program program(instance);
    int status = 1;
    if (program.created() && program.load()) {
        program.show(showCommand);
        status = program.run();
    }
    timeEndPeriod(1);
    return status;
}
