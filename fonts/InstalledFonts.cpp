#include "fonts/InstalledFonts.h"

#include <windows.h>

#include <algorithm>
#include <exception>
#include <string_view>

#include "runtime/Handle.h"

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

std::wstring longestInstalledPrefix(const std::wstring& baseName,
                                    const std::vector<std::wstring>& installed) {
    for (size_t n = baseName.size(); n >= 1; --n) {
        std::wstring_view prefix(baseName.data(), n);
        if (std::find(installed.begin(), installed.end(), prefix) != installed.end())
            return std::wstring(prefix);
    }
    return baseName;
}
