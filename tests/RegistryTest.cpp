#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "registry/Registry.h"
#include "runtime/RuntimeError.h"

namespace {
// A scratch key under HKEY_CURRENT_USER, one per test process, removed with
// its values afterwards.
class RegistryTest : public testing::Test {
protected:
    void SetUp() override {
        subKey_ = "Software\\KernwellRegistryTest" + std::to_string(GetCurrentProcessId());
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, subKey_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        RegCloseKey(key_);
        RegDeleteTreeA(HKEY_CURRENT_USER, subKey_.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, subKey_.c_str());
    }

    void setValue(const char* name, DWORD type, const std::string& bytes) {
        ASSERT_EQ(RegSetValueExA(key_, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
    }
    std::wstring read(const std::wstring& valueName, const std::wstring& subKeySuffix = L"") {
        std::wstring subKey(subKey_.begin(), subKey_.end());
        return ReadRegistryString(HKEY_CURRENT_USER, subKey + subKeySuffix, valueName, L"<default>");
    }

    std::string subKey_;
    HKEY key_ = nullptr;
};

TEST_F(RegistryTest, ReadsStringValuesAndFallsBackForOtherTypes) {
    struct Case {
        const char* name;
        DWORD type;
        std::string data;
        std::wstring expected;
    };
    const std::vector<Case> cases = {
        {"WithNul", REG_SZ, std::string("C:\\Games\\CM 01-02\0", 18), L"C:\\Games\\CM 01-02"},
        {"WithoutNul", REG_SZ, "C:\\Fonts", L"C:\\Fonts"},
        {"EmptySize0", REG_SZ, "", L""},
        {"EmptySize1", REG_SZ, std::string(1, '\0'), L""},
        {"InnerNul", REG_SZ, std::string("ab\0cd\0", 6), L"ab"},
        {"AnsiText", REG_SZ, std::string("Caf\xe9\0", 5), L"Caf\u00e9"},
        {"Expand", REG_EXPAND_SZ, std::string("%windir%\\Fonts\0", 15), L"<default>"},
        {"Multi", REG_MULTI_SZ, std::string("a\0b\0\0", 5), L"<default>"},
        {"Number", REG_DWORD, std::string("\1\0\0\0", 4), L"<default>"},
        {"Binary", REG_BINARY, "abc", L"<default>"},
    };
    for (const Case& c : cases) setValue(c.name, c.type, c.data);
    for (const Case& c : cases) {
        std::wstring name(c.name, c.name + strlen(c.name));
        EXPECT_EQ(read(name), c.expected) << c.name;
    }
}

TEST_F(RegistryTest, MissingValueOrKeyGivesDefault) {
    setValue("Location", REG_SZ, std::string("C:\\CM\0", 6));
    EXPECT_EQ(read(L"NoSuchValue"), L"<default>");
    EXPECT_EQ(read(L"Location", L"\\NoSuchKey"), L"<default>");
}

TEST_F(RegistryTest, SubKeyWithTrailingSeparatorNamesTheSameKey) {
    setValue("Location", REG_SZ, std::string("C:\\CM\0", 6));
    EXPECT_EQ(read(L"Location", L"\\"), L"C:\\CM");
    EXPECT_EQ(read(L"Location"), L"C:\\CM");
}

// Answers the calls as a scripted registry would and records them.
class ScriptedRegistry : public RegistryApi {
public:
    bool keyExists = true;
    DWORD reportedType = REG_SZ;
    DWORD reportedSize = 0;
    std::wstring written;  // characters the data query writes
    LONG dataStatus = ERROR_SUCCESS;

    std::vector<HKEY> closed;
    std::wstring dataBuffer;  // the buffer as the data query received it
    DWORD dataTypeOnEntry = 0xFFFFFFFF;

    LONG open(HKEY, const wchar_t*, HKEY* key) override {
        if (!keyExists) return ERROR_FILE_NOT_FOUND;
        *key = reinterpret_cast<HKEY>(0x1234);
        return ERROR_SUCCESS;
    }
    LONG query(HKEY key, const wchar_t*, DWORD* type, BYTE* data, DWORD* size) override {
        if (!key) return ERROR_INVALID_HANDLE;
        if (!data) {
            *type = reportedType;
            *size = reportedSize;
            return ERROR_SUCCESS;
        }
        dataTypeOnEntry = *type;
        dataBuffer.assign(reinterpret_cast<wchar_t*>(data), *size / sizeof(wchar_t));
        std::copy(written.begin(), written.end(), reinterpret_cast<wchar_t*>(data));
        *type = reportedType;
        return dataStatus;
    }
    LONG close(HKEY key) override {
        closed.push_back(key);
        return key ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
    }
};

std::wstring readScripted(ScriptedRegistry& registry) {
    return ReadRegistryString(registry, HKEY_LOCAL_MACHINE, L"Software\\Game\\", L"Location", L"dflt");
}

TEST(RegistryScriptedTest, UnwrittenTailOfSpacesIsDroppedWithTheNul) {
    ScriptedRegistry registry;
    registry.reportedSize = 20;
    registry.written = std::wstring(L"C:\\CM\0", 6);
    EXPECT_EQ(readScripted(registry), L"C:\\CM");
    EXPECT_EQ(registry.dataBuffer, std::wstring(10, L' '));
    EXPECT_EQ(registry.dataTypeOnEntry, 0u);
    EXPECT_EQ(registry.closed, std::vector<HKEY>{reinterpret_cast<HKEY>(0x1234)});
}

TEST(RegistryScriptedTest, FailedDataQueryLeavesTheSpaces) {
    ScriptedRegistry registry;
    registry.reportedSize = 8;
    registry.dataStatus = ERROR_MORE_DATA;
    EXPECT_EQ(readScripted(registry), L"    ");
}

TEST(RegistryScriptedTest, MissingKeyGivesDefaultAndClosesTheNullHandle) {
    ScriptedRegistry registry;
    registry.keyExists = false;
    EXPECT_EQ(readScripted(registry), L"dflt");
    EXPECT_EQ(registry.closed, std::vector<HKEY>{nullptr});
}

TEST(RegistryScriptedTest, NulPositionIsHeldIn16Bits) {
    ScriptedRegistry registry;
    registry.reportedSize = 80000;

    registry.written = std::wstring(32766, L'a') + L'\0';
    EXPECT_EQ(readScripted(registry), std::wstring(32766, L'a'));

    registry.written = std::wstring(40000, L'a');
    EXPECT_EQ(readScripted(registry), std::wstring(40000, L'a'));

    registry.written = std::wstring(32767, L'a') + L'\0';
    registry.closed.clear();
    try {
        readScripted(registry);
        FAIL() << "expected an overflow";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), err::Overflow);
    }
    EXPECT_EQ(registry.closed.size(), 1u);
}
}  // namespace
