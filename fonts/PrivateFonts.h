#pragma once
// Font files loaded for this process only, so that a font that is not
// installed can still be drawn in its own face. A file stays loaded while
// anyone holds the face that loading it gave, and is removed when the last
// holder lets go.

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "fonts/FontFace.h"
#include "fonts/InstalledFonts.h"

struct PrivateFace {
    FontFace face;
    // Keeps the file loaded while held; empty when the face's family is
    // installed and nothing had to be loaded.
    std::shared_ptr<const void> keepLoaded;
};

class PrivateFonts {
public:
    // The file's own face, ready to draw. A family that is installed is
    // drawn as installed; otherwise the file is loaded for this process.
    // Nothing when the file has no usable face or cannot be loaded.
    std::optional<PrivateFace> faceOf(const std::wstring& fontPath, const InstalledFamilyLookup& lookup);

    // Whether an installed family of exactly this name exists, not counting
    // the families loaded here (the platform lists them as installed).
    bool isInstalled(const std::wstring& family, const InstalledFamilyLookup& lookup) const;

private:
    class LoadedFile;
    struct Entry {
        std::wstring family;
        std::weak_ptr<const LoadedFile> file;
    };

    bool isOwnFamily(const std::wstring& family) const;
    std::shared_ptr<const LoadedFile> load(const std::wstring& fontPath, const FontFace& face,
                                           const InstalledFamilyLookup& lookup);

    std::map<std::wstring, Entry> loaded_;  // by the file's path
};
