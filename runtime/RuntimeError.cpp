#include "runtime/RuntimeError.h"

#include <windows.h>

#include <utility>

RuntimeError::RuntimeError(int number) : RuntimeError(number, errorDescription(number)) {}

RuntimeError::RuntimeError(int number, std::wstring description)
    : number_(number), description_(std::move(description)) {}

std::wstring errorDescription(int number) {
    switch (number) {
    case err::InvalidCall: return L"Invalid procedure call or argument";
    case err::Overflow: return L"Overflow";
    case err::OutOfMemory: return L"Out of memory";
    case err::Internal: return L"Internal error";
    case err::BadFileName: return L"Bad file name or number";
    case err::FileNotFound: return L"File not found";
    case err::DeviceIO: return L"Device I/O error";
    case err::DiskFull: return L"Disk full";
    case err::DeviceUnavailable: return L"Device unavailable";
    case err::PermissionDenied: return L"Permission denied";
    case err::DiskNotReady: return L"Disk not ready";
    case err::PathFileAccess: return L"Path/File access error";
    case err::PathNotFound: return L"Path not found";
    case err::InvalidFileFormat: return L"Invalid file format";
    case err::InvalidProperty: return L"Invalid property value";
    default: return L"Application-defined or object-defined error";
    }
}

int errorNumberFromWin32(unsigned long win32Error) {
    switch (win32Error) {
    case ERROR_FILE_NOT_FOUND: return err::FileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY: return err::PathNotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT: return err::PermissionDenied;
    case ERROR_NOT_READY: return err::DiskNotReady;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return err::DiskFull;
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE: return err::BadFileName;
    case ERROR_INVALID_DRIVE:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_UNRECOGNIZED_VOLUME: return err::DeviceUnavailable;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return err::PathFileAccess;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE: return err::DeviceIO;
    default: return err::PathFileAccess;
    }
}

void raiseError(int number) { throw RuntimeError(number); }

void raiseLastError() { raiseError(errorNumberFromWin32(GetLastError())); }
