#include "fonts/FontFile.h"

#include <windows.h>

#include "files/FileAccess.h"

FontFile::FontFile(const std::wstring& path)
    : file_(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr)) {
    LARGE_INTEGER size;
    if (file_ && GetFileSizeEx(file_.get(), &size)) size_ = static_cast<unsigned long long>(size.QuadPart);
}

std::optional<std::vector<unsigned char>> FontFile::read(unsigned long long offset, size_t length) const {
    if (!file_ || offset > size_ || length > size_ - offset) return std::nullopt;
    std::vector<unsigned char> bytes(length);
    if (!readExactly(file_.get(), offset, bytes.data(), length)) return std::nullopt;
    return bytes;
}
