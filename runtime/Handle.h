#pragma once
// One move-only owner for every Win32 handle kind: the deleter is a type,
// so each alias below says how its handle is released.

#include <windows.h>

#include <cstdint>
#include <utility>

template <class T, class Deleter, intptr_t InvalidValue = 0>
class Handle {
public:
    Handle() = default;
    explicit Handle(T value) : value_(value) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    Handle(Handle&& other) noexcept : value_(std::exchange(other.value_, invalid())) {}
    Handle& operator=(Handle&& other) noexcept {
        if (this != &other) reset(std::exchange(other.value_, invalid()));
        return *this;
    }
    ~Handle() { reset(); }

    // The value that means "no handle" for this kind (null, or
    // INVALID_HANDLE_VALUE for files and searches).
    static T invalid() { return reinterpret_cast<T>(InvalidValue); }

    T get() const { return value_; }
    explicit operator bool() const { return value_ != invalid(); }
    T release() { return std::exchange(value_, invalid()); }
    void reset(T value = invalid()) {
        if (value_ != invalid()) Deleter{}(value_);
        value_ = value;
    }

private:
    T value_ = invalid();
};

struct DeleteObjectFn { void operator()(HGDIOBJ h) const { DeleteObject(h); } };
struct CloseHandleFn { void operator()(HANDLE h) const { CloseHandle(h); } };
struct FindCloseFn { void operator()(HANDLE h) const { FindClose(h); } };
struct DestroyIconFn { void operator()(HICON h) const { DestroyIcon(h); } };
struct UnhookFn { void operator()(HHOOK h) const { UnhookWindowsHookEx(h); } };
struct RegCloseKeyFn { void operator()(HKEY h) const { RegCloseKey(h); } };
struct DestroyMenuFn { void operator()(HMENU h) const { DestroyMenu(h); } };

using FontHandle = Handle<HFONT, DeleteObjectFn>;
using BitmapHandle = Handle<HBITMAP, DeleteObjectFn>;
using BrushHandle = Handle<HBRUSH, DeleteObjectFn>;
using FileHandle = Handle<HANDLE, CloseHandleFn, -1>;
using FindHandle = Handle<HANDLE, FindCloseFn, -1>;
using HookHandle = Handle<HHOOK, UnhookFn>;
using RegistryKey = Handle<HKEY, RegCloseKeyFn>;
using MenuHandle = Handle<HMENU, DestroyMenuFn>;

// Selects a GDI object into a DC and puts the previous one back.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ~ScopedSelect() { SelectObject(dc_, old_); }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A screen DC for measuring, released on scope exit.
class ScreenDC {
public:
    ScreenDC() : dc_(GetDC(nullptr)) {}
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    ~ScreenDC() { ReleaseDC(nullptr, dc_); }
    HDC get() const { return dc_; }

private:
    HDC dc_;
};
