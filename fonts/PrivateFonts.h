#pragma once
// Font files loaded for this process only, so that the preview draws the
// glyphs of the very file that was clicked, installed family or not. A
// load stays while anyone holds the face it gave, and is removed when the
// last holder lets go.

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "fonts/FontFace.h"
#include "fonts/InstalledFonts.h"
#include "fonts/TrueTypeTables.h"

struct PrivateFace {
    // The face to ask GDI for: the file's own family, weight and slant, or
    // a family of the program's own for a copy of the file.
    FontFace face;
    // Keeps the load alive while held; empty when nothing had to be loaded.
    std::shared_ptr<const void> keepLoaded;
};

class PrivateFonts {
public:
    // The face that draws the file's own glyphs at pixelHeight, checked by
    // comparing the 'head' table of what GDI selects with the file's:
    // - an installed family whose selection is this file is drawn as it is;
    // - a family that no font of the process has yet is loaded from the file;
    // - otherwise (an installed or held family with another file's glyphs) a
    //   copy of the file is loaded under a family of the program's own.
    // Nothing when the file has no usable face, fails the structural check
    // or cannot be loaded: then the preview draws the name as it always has.
    std::optional<PrivateFace> faceOf(const std::wstring& fontPath, const FontTables& tables,
                                      const InstalledFamilyLookup& lookup, int pixelHeight);

    // Whether an installed family of exactly this name exists, not counting
    // the families loaded here (the platform lists them as installed).
    bool isInstalled(const std::wstring& family, const InstalledFamilyLookup& lookup) const;

private:
    struct Entry {
        FontFace face;  // as asked of GDI
        std::weak_ptr<const void> load;
    };

    std::optional<PrivateFace> held(const std::wstring& fontPath) const;
    std::shared_ptr<const void> holderOf(const std::wstring& family) const;
    std::optional<PrivateFace> loadCopy(const std::wstring& fontPath, const FontFace& face,
                                        const std::function<bool(const FontFace&)>& drawsFile);
    PrivateFace remember(const std::wstring& fontPath, const FontFace& face, std::shared_ptr<const void> load);

    std::map<std::wstring, Entry> loaded_;  // by the file's path
    unsigned copies_ = 0;
};
