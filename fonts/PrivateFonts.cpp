#include "fonts/PrivateFonts.h"

#include <algorithm>
#include <new>
#include <utility>

#include "fonts/FontCheck.h"
#include "fonts/FontFile.h"
#include "fonts/RenamedFont.h"
#include "runtime/Text.h"

namespace {
constexpr DWORD HeadTag = 0x64616568;  // 'head', as GetFontData takes a tag
constexpr size_t HeadSize = 54;
// The largest real fonts are about 64 MB; a file far larger than any font
// is not copied into memory to be drawn.
constexpr unsigned long long CopyLimit = 256ull << 20;

// A font file added for this process by its path.
class FileLoad {
public:
    explicit FileLoad(std::wstring path) : path_(std::move(path)) {}
    FileLoad(const FileLoad&) = delete;
    FileLoad& operator=(const FileLoad&) = delete;
    ~FileLoad() { RemoveFontResourceExW(path_.c_str(), FR_PRIVATE, nullptr); }

    static std::shared_ptr<const void> add(const std::wstring& path) {
        if (AddFontResourceExW(path.c_str(), FR_PRIVATE, nullptr) <= 0) return nullptr;
        return std::make_shared<const FileLoad>(path);
    }

private:
    std::wstring path_;
};

// A font added for this process from bytes in memory.
class MemoryLoad {
public:
    explicit MemoryLoad(HANDLE handle) : handle_(handle) {}
    MemoryLoad(const MemoryLoad&) = delete;
    MemoryLoad& operator=(const MemoryLoad&) = delete;
    ~MemoryLoad() { RemoveFontMemResourceEx(handle_); }

    static std::shared_ptr<const void> add(std::vector<unsigned char>& bytes) {
        DWORD fonts = 0;
        HANDLE handle = AddFontMemResourceEx(bytes.data(), static_cast<DWORD>(bytes.size()), nullptr, &fonts);
        if (!handle) return nullptr;
        return std::make_shared<const MemoryLoad>(handle);
    }

private:
    HANDLE handle_;
};

// Whether GDI, asked for the face, selects the file whose 'head' table this
// is: the table holds the file's checksum and its dates.
bool selectsFile(HDC dc, const FontFace& face, ByteView head, int pixelHeight) {
    LOGFONTW wanted{};
    wanted.lfHeight = pixelHeight;
    wanted.lfWeight = face.weight;
    wanted.lfItalic = face.italic;
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.family.copy(wanted.lfFaceName, FontNameLimit);
    FontHandle font(CreateFontIndirectW(&wanted));
    ScopedSelect selected(dc, font.get());
    unsigned char drawn[HeadSize];
    auto own = head.slice(0, HeadSize);
    return own && GetFontData(dc, HeadTag, 0, drawn, HeadSize) == HeadSize &&
           std::equal(own->bytes().begin(), own->bytes().end(), drawn);
}
}  // namespace

std::optional<PrivateFace> PrivateFonts::faceOf(const std::wstring& fontPath, const FontTables& tables,
                                                const InstalledFamilyLookup& lookup, int pixelHeight) {
    std::erase_if(loaded_, [](const auto& entry) { return entry.second.load.expired(); });
    auto face = readFontFace(tables);
    // A file the renderer would stumble over is never loaded.
    if (!face || !tables.head || !checkFontStructure(tables)) return std::nullopt;
    if (auto loaded = held(fontPath)) return loaded;
    auto drawsFile = [&](const FontFace& asked) { return selectsFile(lookup.screen(), asked, *tables.head, pixelHeight); };
    if (!lookup.isInstalled(face->family)) {
        // No font of the process has the family: the file itself is loaded.
        if (auto load = FileLoad::add(fontPath); load && drawsFile(*face)) return remember(fontPath, *face, load);
    } else if (drawsFile(*face)) {
        return PrivateFace{*face, holderOf(face->family)};
    }
    return loadCopy(fontPath, *face, drawsFile);
}

bool PrivateFonts::isInstalled(const std::wstring& family, const InstalledFamilyLookup& lookup) const {
    bool own = std::any_of(loaded_.begin(), loaded_.end(), [&](const auto& entry) {
        return entry.second.face.family == family && !entry.second.load.expired();
    });
    return !own && lookup.isInstalled(family);
}

// A load of this very file that is still held: it was checked when loaded.
std::optional<PrivateFace> PrivateFonts::held(const std::wstring& fontPath) const {
    auto found = loaded_.find(fontPath);
    if (found == loaded_.end()) return std::nullopt;
    auto load = found->second.load.lock();
    if (!load) return std::nullopt;
    return PrivateFace{found->second.face, load};
}

// What keeps a family loaded here alive; nothing for an installed family.
std::shared_ptr<const void> PrivateFonts::holderOf(const std::wstring& family) const {
    for (const auto& [path, entry] : loaded_)
        if (entry.face.family == family) return entry.load.lock();
    return nullptr;
}

// The file's bytes under a family of the program's own, so that no other
// face of its family can stand in for it.
std::optional<PrivateFace> PrivateFonts::loadCopy(const std::wstring& fontPath, const FontFace& face,
                                                  const std::function<bool(const FontFace&)>& drawsFile) {
    FontFile file(fontPath);
    if (file.size() > CopyLimit) return std::nullopt;
    FontFace own{L"Glyphwright Face " + std::to_wstring(++copies_), face.weight, face.italic};
    std::shared_ptr<const void> load;
    try {
        auto bytes = file.read(0, static_cast<size_t>(file.size()));
        auto renamed =
            bytes ? renameFont(*bytes, std::u16string(own.family.begin(), own.family.end()), u"Regular") : std::nullopt;
        if (renamed) load = MemoryLoad::add(*renamed);
    } catch (const std::bad_alloc&) {
        return std::nullopt;  // drawn as any other face that cannot be loaded
    }
    if (!load || !drawsFile(own)) return std::nullopt;
    return remember(fontPath, own, load);
}

PrivateFace PrivateFonts::remember(const std::wstring& fontPath, const FontFace& face,
                                   std::shared_ptr<const void> load) {
    loaded_[fontPath] = Entry{face, load};
    return PrivateFace{face, std::move(load)};
}
