#pragma once
// An invisible timer of a form: enabled from the moment its form adds it,
// stopped when the form unloads.

#include <windows.h>

#include <functional>

class Timer {
public:
    explicit Timer(UINT intervalMs) : interval_(intervalMs) {}

    UINT interval() const { return interval_; }
    // The id of the window timer while its form is loaded.
    UINT_PTR id() const { return id_; }

    std::function<void()> onTimer;

private:
    friend class Form;
    UINT interval_;
    UINT_PTR id_ = 0;
};
