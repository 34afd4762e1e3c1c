#pragma once
// The module Registry: every registry read of the program. Chiefly reading
// one string value, as the main window does at start-up; also whether a
// value exists. The registry is only read, never written.

#include <windows.h>

#include <string>

// The three registry calls that ReadRegistryString makes, in their wide
// forms: a name outside the ANSI code page would otherwise reach the
// registry as a look-alike. Tests put a layer of their own here to shape
// what the calls report.
class RegistryApi {
public:
    virtual ~RegistryApi() = default;
    virtual LONG open(HKEY rootKey, const wchar_t* subKey, HKEY* key) = 0;
    virtual LONG query(HKEY key, const wchar_t* valueName, DWORD* type, BYTE* data, DWORD* size) = 0;
    virtual LONG close(HKEY key) = 0;
};

// The Windows registry itself.
RegistryApi& platformRegistry();

// The text of a REG_SZ value, cut at its first NUL; defaultValue when the
// key or the value is missing or the value is of any other type. Raises
// error 6 when the first NUL lies beyond position 32767.
std::wstring ReadRegistryString(HKEY rootKey, const std::wstring& subKey,
                                const std::wstring& valueName, const std::wstring& defaultValue);
std::wstring ReadRegistryString(RegistryApi& api, HKEY rootKey, const std::wstring& subKey,
                                const std::wstring& valueName, const std::wstring& defaultValue);

// Whether the key holds a value of this name, of any type.
bool registryValueExists(HKEY rootKey, const std::wstring& subKey, const std::wstring& valueName);
