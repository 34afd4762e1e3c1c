#pragma once
// Text helpers: conversion to and from the ANSI code page for the calls the
// program makes through their A forms, and the 1-based, 16-bit text
// positions that the string routines hold.

#include <cstdint>
#include <string>
#include <string_view>

// A Windows font name (a LOGFONT's face name) holds at most 31 characters.
inline constexpr size_t FontNameLimit = 31;

std::string toAnsi(std::wstring_view text);
std::wstring fromAnsi(std::string_view bytes);

// A 1-based position held as a 16-bit signed integer: past 32767 it raises
// error 6 (Overflow).
int16_t position16(long long position);

// The text without the spaces at its start and end.
std::wstring trimSpaces(std::wstring_view text);

// 1-based position of the first occurrence of what in text, searching from
// position 1; 0 when it does not occur. Exact, case-sensitive.
long long inStr(std::wstring_view text, std::wstring_view what);
