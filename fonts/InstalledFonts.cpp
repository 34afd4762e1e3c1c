#include "fonts/InstalledFonts.h"

#include <windows.h>

#include <algorithm>
#include <exception>

#include "registry/Registry.h"
#include "runtime/Handle.h"
#include "runtime/Text.h"

namespace {

struct Collection {
    std::vector<std::wstring> names;
    std::exception_ptr failure;
};

// Called by the platform: nothing may be thrown through it, so a failure
// ends the enumeration and is raised again once it has returned.
int CALLBACK collectFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM context) {
    auto* collection = reinterpret_cast<Collection*>(context);
    try {
        collection->names.emplace_back(font->lfFaceName);
        return 1;
    } catch (...) {
        collection->failure = std::current_exception();
        return 0;
    }
}

struct Lookup {
    const std::wstring* family;
    bool found = false;
};

// Called by the platform with every family that it matches to the name,
// letter case ignored; only an exactly equal name counts.
int CALLBACK matchFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM context) {
    auto* lookup = reinterpret_cast<Lookup*>(context);
    lookup->found = *lookup->family == font->lfFaceName;
    return lookup->found ? 0 : 1;
}

// Whether the name is one that the platform replaces by another family
// ("MS Shell Dlg" by "Tahoma"). Asked for such a name, Wine enumerates the
// family it stands for under the name asked for, although no family of that
// name is installed. An entry for another character set ("Arial CE,238") is
// not used for a lookup in the default one.
bool isSubstituteName(const std::wstring& family) {
    const wchar_t* const substitutes = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes";
    return registryValueExists(HKEY_LOCAL_MACHINE, substitutes, family) ||
           registryValueExists(HKEY_LOCAL_MACHINE, substitutes, family + L",1");
}
}  // namespace

std::vector<std::wstring> installedScreenFontFamilies() {
    ScreenDC screen;
    LOGFONTW every{};
    every.lfCharSet = DEFAULT_CHARSET;
    Collection collection;
    EnumFontFamiliesExW(screen.get(), &every, collectFamily, reinterpret_cast<LPARAM>(&collection), 0);
    if (collection.failure) std::rethrow_exception(collection.failure);
    return std::move(collection.names);
}

bool InstalledFamilyLookup::isInstalled(const std::wstring& family) const {
    if (family.empty() || family.size() > FontNameLimit) return false;
    LOGFONTW named{};
    named.lfCharSet = DEFAULT_CHARSET;
    family.copy(named.lfFaceName, FontNameLimit);
    Lookup lookup{&family};
    EnumFontFamiliesExW(screen_.get(), &named, matchFamily, reinterpret_cast<LPARAM>(&lookup), 0);
    if (!lookup.found || !isSubstituteName(family)) return lookup.found;
    // A substitute's name counts only when a real family has it as well,
    // which only the full list tells apart.
    const std::vector<std::wstring> installed = installedScreenFontFamilies();
    return std::find(installed.begin(), installed.end(), family) != installed.end();
}

std::optional<std::wstring> findLongestInstalledPrefix(const std::wstring& baseName,
                                                       const FamilyTest& isInstalled) {
    std::wstring prefix = baseName;
    for (; !prefix.empty(); prefix.pop_back())
        if (isInstalled(prefix)) return prefix;
    return std::nullopt;
}

