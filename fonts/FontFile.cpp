#include "fonts/FontFile.h"

#include <windows.h>

FontFile::FontFile(const std::wstring& path)
    : file_(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr)) {
    LARGE_INTEGER size;
    if (file_ && GetFileSizeEx(file_.get(), &size)) size_ = static_cast<unsigned long long>(size.QuadPart);
}

std::optional<std::vector<unsigned char>> FontFile::read(unsigned long long offset, size_t length) const {
    if (!file_ || offset > size_ || length > size_ - offset) return std::nullopt;
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(file_.get(), position, nullptr, FILE_BEGIN)) return std::nullopt;
    std::vector<unsigned char> bytes(length);
    size_t total = 0;
    while (total < length) {
        DWORD read = 0;
        if (!ReadFile(file_.get(), bytes.data() + total, static_cast<DWORD>(length - total), &read, nullptr) ||
            read == 0)
            return std::nullopt;
        total += read;
    }
    return bytes;
}
