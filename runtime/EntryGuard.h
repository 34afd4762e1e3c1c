#pragma once
// Win32 calls the program back (window procedures, hooks, timer and
// enumeration callbacks) through frames that no C++ exception may cross:
// with this toolchain one that does ends the process in std::terminate. So
// every such entry point runs its body through this one guard, which hands
// whatever escapes to the entry point's own handler as a run-time error.

#include <new>

#include "runtime/RuntimeError.h"

// Runs body() and returns its result. Whatever it throws reaches onError as
// a run-time error (running out of memory as error 7, anything that is not
// a run-time error as error 51), and onError's result is returned instead.
// A handler that throws in turn ends the process.
template <class Body, class OnError>
auto guardEntry(Body&& body, OnError&& onError) noexcept -> decltype(body()) {
    try {
        return body();
    } catch (const RuntimeError& error) {
        return onError(error);
    } catch (const std::bad_alloc&) {
        return onError(RuntimeError(err::OutOfMemory));
    } catch (...) {
        return onError(RuntimeError(err::Internal));
    }
}
