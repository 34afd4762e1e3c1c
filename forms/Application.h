#pragma once
// The runtime's own state: the collection of loaded windows, the hidden
// owner window, GDI+, and the one way the program ends at once.

#include <windows.h>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "runtime/EntryGuard.h"

class Form;
struct MessageBoxRecord;

class Application {
public:
    // Process set-up for the program and the tests alike: the application's
    // title for message boxes, no system box for an empty drive, the common
    // controls' slider, GDI+ for the pictures. Everything it starts ends
    // with it.
    class Session {
    public:
        explicit Session(std::wstring title);
        Session(const Session&) = delete;
        Session& operator=(const Session&) = delete;
        ~Session();

    private:
        ULONG_PTR gdiplusToken_ = 0;
    };

    static Application& instance();

    // The application's title, which message boxes take when given none.
    const std::wstring& title() const { return title_; }

    // Loaded windows, in the order their loads began.
    const std::vector<Form*>& loadedForms() const { return loaded_; }
    bool isLoaded(const Form* form) const;
    void addLoaded(Form* form);
    void removeLoaded(Form* form);

    // Runs the event loop until no window of the program is loaded (0), or
    // until a WM_QUIT arrives (its exit code).
    int run();
    // One message through the loop's filters (keyboard navigation), for the
    // modal loops and the main loop alike.
    static void dispatch(MSG& msg);

    // A hidden top-level window that owns the windows that must not have a
    // taskbar button of their own.
    HWND hiddenOwner();

    // Ends the program at once with this exit code: no unload handler runs.
    // Tests replace it.
    void endNow(int exitCode = 0);
    std::function<void(int exitCode)> endOverride;

    // Sees every message box before it opens (tests record them).
    std::function<void(const MessageBoxRecord&)> messageBoxObserver;
    // Disables every loaded window but `keep` that is enabled now, and
    // returns them, for enableAgain once whatever blocked them is gone.
    std::vector<HWND> disableWindowsExcept(HWND keep) const;
    static void enableAgain(std::vector<HWND>& windows);

    // The window that owns message boxes: the loaded form that asked for
    // them, once its window exists; none before.
    HWND messageBoxOwner() const;
    // Message boxes open now, nested ones included.
    int openMessageBoxes = 0;

    // Reports an error that no error trap handled, then ends the program
    // with exit code 1.
    void reportEscapedError(const RuntimeError& error);

    // Runs the body of an entry point that Win32 calls: an error escaping it
    // is reported and ends the program, and the entry point answers fallback.
    template <class Body, class Result = std::invoke_result_t<Body&>>
    static Result guarded(Body&& body, Result fallback = Result()) noexcept {
        return guardEntry(body, [&fallback](const RuntimeError& error) {
            instance().reportEscapedError(error);
            return fallback;
        });
    }

private:
    Application() = default;
    std::vector<Form*> loaded_;
    HWND hiddenOwner_ = nullptr;
    std::wstring title_;
};
