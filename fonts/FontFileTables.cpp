#include "fonts/FontFileTables.h"

#include "fonts/FontFile.h"

std::optional<FontFileTables> FontFileTables::load(const std::wstring& path) {
    FontFile file(path);
    if (!file.isOpen()) return std::nullopt;
    return read([&](unsigned long long offset, size_t length) { return file.read(offset, length); }, file.size());
}
