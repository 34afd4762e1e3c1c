#pragma once
// Escaped errors and the end of the program. Ending the program at once
// (after the copy's error 76, or an error that no handler trapped) skips
// every unload handler; tests replace the end so that it does not end the
// test process.

#include <functional>
#include <type_traits>

#include "runtime/EntryGuard.h"
#include "runtime/RuntimeError.h"

// Ends the program at once with this exit code.
void endProgramNow(int exitCode = 0);

// Replaces the end of the program for as long as it lives.
class ProgramEndOverride {
public:
    explicit ProgramEndOverride(std::function<void(int exitCode)> end);
    ProgramEndOverride(const ProgramEndOverride&) = delete;
    ProgramEndOverride& operator=(const ProgramEndOverride&) = delete;
    ~ProgramEndOverride();

private:
    std::function<void(int)> previous_;
};

// Reports an error that no error trap handled, then ends the program with
// exit code 1.
void reportEscapedError(const RuntimeError& error);

// Runs the body of an entry point that Win32 calls: an error escaping it is
// reported and ends the program, and the entry point answers fallback.
template <class Body, class Result = std::invoke_result_t<Body&>>
Result guarded(Body&& body, Result fallback = Result()) noexcept {
    return guardEntry(body, [&fallback](const RuntimeError& error) {
        reportEscapedError(error);
        return fallback;
    });
}
