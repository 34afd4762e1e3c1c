#include "files/FileAccess.h"

#include <algorithm>
#include <vector>

#include "runtime/Handle.h"

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

namespace {
FileHandle openToRead(const std::wstring& path) {
    return FileHandle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
}
}  // namespace

bool sameContents(const std::wstring& a, const std::wstring& b) {
    FileHandle first = openToRead(a), second = openToRead(b);
    LARGE_INTEGER firstSize, secondSize;
    if (!first || !second || !GetFileSizeEx(first.get(), &firstSize) || !GetFileSizeEx(second.get(), &secondSize) ||
        firstSize.QuadPart != secondSize.QuadPart)
        return false;
    constexpr size_t Chunk = 1 << 16;
    std::vector<unsigned char> one(Chunk), other(Chunk);
    for (unsigned long long at = 0; at < static_cast<unsigned long long>(firstSize.QuadPart); at += Chunk) {
        size_t length = static_cast<size_t>(std::min<unsigned long long>(Chunk, firstSize.QuadPart - at));
        if (!readExactly(first.get(), at, one.data(), length) || !readExactly(second.get(), at, other.data(), length) ||
            !std::equal(one.begin(), one.begin() + static_cast<long>(length), other.begin()))
            return false;
    }
    return true;
}
