#include "tests/support/DesktopTurn.h"

#include <windows.h>

// The turn is a mutex named for the whole server, taken once and kept until
// the process ends with its windows: the ended holder's mutex passes to the
// next waiter as abandoned, which counts as taken. A test that never gets
// its turn is ended by the runner's time limit.
void waitForDesktopTurn() {
    static const HANDLE turn = [] {
        HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Local\\kernwell-tests-desktop-turn");
        if (mutex) WaitForSingleObject(mutex, INFINITE);
        return mutex;
    }();
    (void)turn;
}
