#include "files/FileAccess.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "runtime/Handle.h"

bool isFile(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

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

// Up to length bytes, read on from where the file stands; fewer only at
// its end, which a short read of a file on disk says; nothing on a failure.
std::optional<size_t> readUpTo(HANDLE file, unsigned char* buffer, size_t length) {
    DWORD read = 0;
    if (!ReadFile(file, buffer, static_cast<DWORD>(length), &read, nullptr)) return std::nullopt;
    return read;
}
}  // namespace

// Read side by side to the end of both, without asking for their sizes
// first: under Wine each question of a file's size is a round trip to the
// server, as dear as the open, and marking a folder asks this of every
// font the game has. A chunk holds most fonts whole, so most take one read.
bool sameContents(const std::wstring& a, const std::wstring& b) {
    FileHandle first = openToRead(a), second = openToRead(b);
    if (!first || !second) return false;
    constexpr size_t Chunk = 1 << 16;
    std::unique_ptr<unsigned char[]> one(new unsigned char[Chunk]), other(new unsigned char[Chunk]);
    for (;;) {
        std::optional<size_t> length = readUpTo(first.get(), one.get(), Chunk);
        std::optional<size_t> otherLength = readUpTo(second.get(), other.get(), Chunk);
        if (!length || length != otherLength || !std::equal(one.get(), one.get() + *length, other.get())) return false;
        if (*length < Chunk) return true;
    }
}
