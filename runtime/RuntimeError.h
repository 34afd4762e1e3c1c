#pragma once
// Numbered run-time errors: every failure of a file operation or of a
// control's property is one of these, carrying its number and the standard
// description. Event handlers with an error trap catch them; elsewhere they
// reach the entry point that Win32 called, which reports them and ends the
// program.

#include <exception>
#include <string>

namespace err {
constexpr int InvalidCall = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int Internal = 51;
constexpr int BadFileName = 52;
constexpr int FileNotFound = 53;
constexpr int DeviceIO = 57;
constexpr int DiskFull = 61;
constexpr int DeviceUnavailable = 68;
constexpr int PermissionDenied = 70;
constexpr int DiskNotReady = 71;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int InvalidFileFormat = 321;
constexpr int InvalidProperty = 380;
}  // namespace err

class RuntimeError : public std::exception {
public:
    explicit RuntimeError(int number);
    RuntimeError(int number, std::wstring description);

    int number() const noexcept { return number_; }
    const std::wstring& description() const noexcept { return description_; }
    const char* what() const noexcept override { return "run-time error"; }

private:
    int number_;
    std::wstring description_;
};

// The standard description of an error number ("Path not found" for 76).
std::wstring errorDescription(int number);

// The run-time error number for a Win32 error code (GetLastError()).
int errorNumberFromWin32(unsigned long win32Error);

[[noreturn]] void raiseError(int number);
// Raises the error that GetLastError() names.
[[noreturn]] void raiseLastError();
