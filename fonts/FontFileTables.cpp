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

std::optional<std::vector<TableRecord>> readDirectory(const FontFile& file) {
    auto header = file.read(0, 12);
    auto size = header ? tableDirectorySize(ByteView(*header)) : std::nullopt;
    auto directory = size ? file.read(0, *size) : std::nullopt;
    if (!directory) return std::nullopt;
    return readTableDirectory(ByteView(*directory));
}

std::optional<ByteView> view(const std::optional<std::vector<unsigned char>>& bytes) {
    if (!bytes) return std::nullopt;
    return ByteView(*bytes);
}
}  // namespace

std::optional<FontFileTables> FontFileTables::load(const std::wstring& path) {
    FontFile file(path);
    auto directory = readDirectory(file);
    if (!directory) return std::nullopt;
    auto table = [&](std::string_view tag) -> Bytes {
        auto record = findTableRecord(*directory, tag);
        return record ? file.read(record->offset, record->length) : std::nullopt;
    };
    FontFileTables loaded;
    loaded.name_ = table("name");
    loaded.head_ = table("head");
    loaded.hhea_ = table("hhea");
    loaded.os2_ = table("OS/2");
    loaded.post_ = table("post");
    return loaded;
}

FontTables FontFileTables::tables() const {
    return {view(name_), view(head_), view(hhea_), view(os2_), view(post_)};
}
