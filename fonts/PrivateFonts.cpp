#include "fonts/PrivateFonts.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "fonts/FontCheck.h"
#include "fonts/FontFileTables.h"

// A font file added for this process, removed again with its last owner.
class PrivateFonts::LoadedFile {
public:
    explicit LoadedFile(std::wstring path) : path_(std::move(path)) {
        added_ = AddFontResourceExW(path_.c_str(), FR_PRIVATE, nullptr) > 0;
    }
    LoadedFile(const LoadedFile&) = delete;
    LoadedFile& operator=(const LoadedFile&) = delete;
    ~LoadedFile() {
        if (added_) RemoveFontResourceExW(path_.c_str(), FR_PRIVATE, nullptr);
    }
    bool added() const { return added_; }

private:
    std::wstring path_;
    bool added_ = false;
};

std::optional<PrivateFace> PrivateFonts::faceOf(const std::wstring& fontPath,
                                                const InstalledFamilyLookup& lookup) {
    auto file = FontFileTables::load(fontPath);
    if (!file) return std::nullopt;
    auto face = readFontFace(file->tables());
    if (!face) return std::nullopt;
    // A file the renderer would stumble over is never loaded.
    if (!checkFontStructure(file->tables())) return std::nullopt;
    if (isInstalled(face->family, lookup)) return PrivateFace{*face, nullptr};
    auto loaded = load(fontPath, *face, lookup);
    if (!loaded) return std::nullopt;
    return PrivateFace{*face, loaded};
}

bool PrivateFonts::isInstalled(const std::wstring& family, const InstalledFamilyLookup& lookup) const {
    return !isOwnFamily(family) && lookup.isInstalled(family);
}

bool PrivateFonts::isOwnFamily(const std::wstring& family) const {
    return std::any_of(loaded_.begin(), loaded_.end(), [&](const auto& entry) {
        return entry.second.family == family && !entry.second.file.expired();
    });
}

// The file loaded once, however many hold it; nothing when the platform
// refuses it or lists it under another family than the one read from it.
std::shared_ptr<const PrivateFonts::LoadedFile> PrivateFonts::load(const std::wstring& fontPath,
                                                                    const FontFace& face,
                                                                    const InstalledFamilyLookup& lookup) {
    std::erase_if(loaded_, [](const auto& entry) { return entry.second.file.expired(); });
    if (auto found = loaded_.find(fontPath); found != loaded_.end()) return found->second.file.lock();
    auto file = std::make_shared<const LoadedFile>(fontPath);
    if (!file->added() || !lookup.isInstalled(face.family)) return nullptr;
    loaded_[fontPath] = Entry{face.family, file};
    return file;
}
