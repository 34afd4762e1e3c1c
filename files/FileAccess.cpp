#include "files/FileAccess.h"

bool readExactly(HANDLE file, unsigned long long offset, void* buffer, size_t length) {
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(file, position, nullptr, FILE_BEGIN)) return false;
    auto* bytes = static_cast<unsigned char*>(buffer);
    size_t total = 0;
    while (total < length) {
        DWORD read = 0;
        if (!ReadFile(file, bytes + total, static_cast<DWORD>(length - total), &read, nullptr)) return false;
        if (read == 0) {
            SetLastError(ERROR_HANDLE_EOF);
            return false;
        }
        total += read;
    }
    return true;
}

bool removeFile(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (DeleteFileW(path.c_str())) return true;
    SetFileAttributesW(path.c_str(), attributes);
    return false;
}
