#pragma once
// The characters the game draws: the printable characters of code page
// 1252, the ANSI code page of its player names. Standard library only.

#include <cstdint>
#include <span>

struct GameCharacter {
    uint8_t code;        // in code page 1252
    char32_t codePoint;  // in Unicode
};

// The 217 printable characters of code page 1252 in code order: 33-126 and
// 128-255 without the five codes it leaves undefined (129, 141, 143, 144,
// 157).
std::span<const GameCharacter> gameCharacters();
