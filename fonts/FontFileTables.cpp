#include "fonts/FontFileTables.h"

#include <windows.h>

#include "runtime/Handle.h"

namespace {
class FontFile {
public:
    explicit FontFile(const std::wstring& path)
        : file_(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {
        LARGE_INTEGER size;
        if (file_ && GetFileSizeEx(file_.get(), &size)) size_ = static_cast<unsigned long long>(size.QuadPart);
    }

    // Exactly `length` bytes from `offset`, or nothing.
    std::optional<std::vector<unsigned char>> read(unsigned long long offset, size_t length) const {
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

private:
    FileHandle file_;
    unsigned long long size_ = 0;
};
}  // namespace

std::optional<FontFileTables> FontFileTables::load(const std::wstring& path) {
    FontFile file(path);
    return read([&](unsigned long long offset, size_t length) { return file.read(offset, length); });
}
