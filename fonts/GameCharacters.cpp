#include "fonts/GameCharacters.h"

#include <array>

namespace {
// Codes 0x80-0x9F, where code page 1252 departs from Latin-1; zero where it
// leaves a code undefined.
constexpr char32_t Windows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

constexpr char32_t toUnicode(unsigned code) {
    return code >= 0x80 && code < 0xA0 ? Windows1252High[code - 0x80] : char32_t{code};
}

constexpr size_t GameCharacterCount = 217;

constexpr std::array<GameCharacter, GameCharacterCount> makeGameCharacters() {
    std::array<GameCharacter, GameCharacterCount> characters{};
    size_t count = 0;
    for (unsigned code = 33; code <= 255; ++code) {
        char32_t codePoint = toUnicode(code);
        if (code == 127 || codePoint == 0) continue;
        characters[count++] = {static_cast<uint8_t>(code), codePoint};
    }
    return characters;
}

constexpr auto GameCharacters = makeGameCharacters();
static_assert(GameCharacters.back().code == 255, "exactly 217 printable characters");
}  // namespace

std::span<const GameCharacter> gameCharacters() { return GameCharacters; }
