// The program's entry: the splash window, then the event loop until no
// window of the program is loaded. Nothing is read from the command line.

#include <windows.h>

#include "app/AppInfo.h"
#include "app/frmSplash.h"
#include "forms/Application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    Application::Session session{appinfo::Title};
    Application& application = Application::instance();
    bool started = Application::guarded([] {
        frmSplash::instance().Load();
        frmSplash::instance().Show();
        return true;
    }, false);
    if (!started) return 1;
    return application.run();
}
