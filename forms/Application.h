#pragma once
// The runtime's own state: the collection of loaded windows, the hidden
// owner window, GDI+, and the one way the program ends at once.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class Form;
class RuntimeError;
struct MessageBoxRecord;

class Application {
public:
    // Process set-up for the program and the tests alike: no system box for
    // an empty drive, the common controls' slider, GDI+ for the pictures.
    // Everything it starts ends with it.
    class Session {
    public:
        Session();
        Session(const Session&) = delete;
        Session& operator=(const Session&) = delete;
        ~Session();

    private:
        ULONG_PTR gdiplusToken_ = 0;
    };

    static Application& instance();

    // Loaded windows, in the order their loads began.
    const std::vector<Form*>& loadedForms() const { return loaded_; }
    bool isLoaded(const Form* form) const;
    void addLoaded(Form* form);
    void removeLoaded(Form* form);

    // Runs the event loop until no window of the program is loaded.
    void run();
    // One message through the loop's filters (keyboard navigation), for the
    // modal loops and the main loop alike.
    static void dispatch(MSG& msg);

    // A hidden top-level window that owns the windows that must not have a
    // taskbar button of their own.
    HWND hiddenOwner();

    // Ends the program at once: no unload handler runs. Tests replace it.
    void endNow();
    std::function<void()> endOverride;

    // Sees every message box before it opens (tests record them).
    std::function<void(const MessageBoxRecord&)> messageBoxObserver;

    // Reports an error that no error trap handled, then ends the program.
    void reportEscapedError(const RuntimeError& error);

private:
    Application() = default;
    std::vector<Form*> loaded_;
    HWND hiddenOwner_ = nullptr;
};
