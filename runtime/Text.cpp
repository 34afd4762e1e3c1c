#include "runtime/Text.h"

#include <windows.h>

#include "runtime/RuntimeError.h"

std::string toAnsi(std::wstring_view text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

std::wstring fromAnsi(std::string_view bytes) {
    if (bytes.empty()) return {};
    int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), size);
    return text;
}

int16_t position16(long long position) {
    if (position > INT16_MAX || position < INT16_MIN) raiseError(err::Overflow);
    return static_cast<int16_t>(position);
}

long long inStr(std::wstring_view text, std::wstring_view what) {
    size_t found = text.find(what);
    return found == std::wstring_view::npos ? 0 : static_cast<long long>(found) + 1;
}

std::wstring trimSpaces(std::wstring_view text) {
    size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) return {};
    return std::wstring(text.substr(first, text.find_last_not_of(L' ') - first + 1));
}
