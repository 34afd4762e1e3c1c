// The program's entry: the splash window, then the event loop until no
// window of the program is loaded. Nothing is read from the command line.

#include <windows.h>

#include "app/frmSplash.h"
#include "forms/ProgramEnd.h"
#include "forms/Session.h"
#include "resources/AppInfo.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    Session session{appinfo::Title};
    bool started = guarded([] {
        frmSplash::instance().Load();
        frmSplash::instance().Show();
        return true;
    }, false);
    if (!started) return 1;
    return runMessageLoop();
}
