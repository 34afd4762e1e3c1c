#include "registry/Registry.h"

#include "runtime/Text.h"

namespace {
class WindowsRegistry : public RegistryApi {
public:
    LONG open(HKEY rootKey, const wchar_t* subKey, HKEY* key) override {
        return RegOpenKeyExW(rootKey, subKey, 0, KEY_QUERY_VALUE, key);
    }
    LONG query(HKEY key, const wchar_t* valueName, DWORD* type, BYTE* data, DWORD* size) override {
        return RegQueryValueExW(key, valueName, nullptr, type, data, size);
    }
    LONG close(HKEY key) override { return RegCloseKey(key); }
};

// Closes the key through the api on every path out of the read, also when
// the open failed and the handle is still null.
class OpenedKey {
public:
    OpenedKey(RegistryApi& api, HKEY rootKey, const std::wstring& subKey) : api_(api) {
        api_.open(rootKey, subKey.c_str(), &key_);
    }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    ~OpenedKey() { api_.close(key_); }
    HKEY get() const { return key_; }

private:
    RegistryApi& api_;
    HKEY key_ = nullptr;
};

// The data query fills a buffer of spaces, one for each character the
// reported size in bytes holds (two bytes a character; an odd last byte
// gets one of its own); characters the call does not write stay spaces.
std::wstring queryText(RegistryApi& api, HKEY key, const std::wstring& valueName, DWORD size) {
    std::wstring buffer((size + 1) / sizeof(wchar_t), L' ');
    DWORD type = 0;
    api.query(key, valueName.c_str(), &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
    return buffer;
}

// The text up to its first NUL, or all of it when it holds none.
std::wstring cutAtNul(const std::wstring& text) {
    int16_t nul = position16(inStr(text, std::wstring_view(L"\0", 1)));
    return nul > 0 ? text.substr(0, static_cast<size_t>(nul - 1)) : text;
}
}  // namespace

RegistryApi& platformRegistry() {
    static WindowsRegistry registry;
    return registry;
}

std::wstring ReadRegistryString(HKEY rootKey, const std::wstring& subKey,
                                const std::wstring& valueName, const std::wstring& defaultValue) {
    return ReadRegistryString(platformRegistry(), rootKey, subKey, valueName, defaultValue);
}

std::wstring ReadRegistryString(RegistryApi& api, HKEY rootKey, const std::wstring& subKey,
                                const std::wstring& valueName, const std::wstring& defaultValue) {
    OpenedKey key(api, rootKey, subKey);
    DWORD type = 0;
    DWORD size = 0;
    LONG status = api.query(key.get(), valueName.c_str(), &type, nullptr, &size);
    if (status != ERROR_SUCCESS || type != REG_SZ) return defaultValue;
    return cutAtNul(queryText(api, key.get(), valueName, size));
}

bool registryValueExists(HKEY rootKey, const std::wstring& subKey, const std::wstring& valueName) {
    OpenedKey key(platformRegistry(), rootKey, subKey);
    DWORD type = 0;
    DWORD size = 0;
    return key.get() && platformRegistry().query(key.get(), valueName.c_str(), &type, nullptr, &size) == ERROR_SUCCESS;
}
