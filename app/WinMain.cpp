// The program's entry: the splash window, then the event loop until no
// window of the program is loaded. Nothing is read from the command line.

#include <windows.h>

#include "app/frmSplash.h"
#include "forms/Application.h"
#include "runtime/RuntimeError.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    Application::Session session;
    Application& application = Application::instance();
    try {
        frmSplash::instance().Load();
        frmSplash::instance().Show();
    } catch (const RuntimeError& error) {
        application.reportEscapedError(error);
        return 1;
    }
    application.run();
    return 0;
}
