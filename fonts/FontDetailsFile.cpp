#include "fonts/FontDetails.h"
#include "fonts/FontFile.h"

std::optional<FontDetails> loadFontDetails(const std::wstring& path) {
    FontFile file(path);
    if (!file.isOpen()) return std::nullopt;
    return readFontDetails([&](unsigned long long offset, size_t length) { return file.read(offset, length); });
}
