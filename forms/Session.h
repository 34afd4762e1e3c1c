#pragma once
// The program's session: the process set-up that the program and the tests
// share, and the event loop.

#include <windows.h>

#include <string>

class Session {
public:
    // The application's title for message boxes, no system box for an empty
    // drive, the common controls' slider, GDI+ for the pictures. Everything
    // it starts ends with it.
    explicit Session(std::wstring title);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session();

private:
    ULONG_PTR gdiplusToken_ = 0;
};

// Runs the event loop until no form is loaded (0), or until a WM_QUIT
// arrives (its exit code).
int runMessageLoop();

// One message through the loops' filters (keyboard navigation), for the
// modal loops and the main loop alike.
void dispatchMessage(MSG& msg);
