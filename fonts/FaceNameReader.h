#pragma once
// Reads a TrueType file's face name the way the main window always has:
// a font resource file is built for the font under a fixed temporary name
// in the program's folder, the name is read back out of it after
// "FONTRES:", and the file is deleted.

#include <functional>
#include <string>

// The temporary resource file's name, beside the executable. The main
// window's start-up removes a left-over one.
constexpr const wchar_t* TempFontResourceName = L"~TEMP.FOT";
std::wstring tempFontResourcePath();

// The signature of CreateScalableFontResourceA.
using FontResourceBuilderFn = std::function<int(unsigned long hidden, const char* resourceFile,
                                                const char* fontFile, const char* currentPath)>;

// The face name; empty when no resource file is built for the font (also
// when a left-over temporary file is in the way, which is not touched).
// Once the resource file is built it is always closed and deleted again,
// also when reading it fails. Errors: the file's open or read failure as
// its run-time error; 6 (overflow) for a marker too far into the file; 5
// (invalid argument) for a name with no zero byte after it.
std::wstring readFaceName(const std::wstring& fontPath);

// The same with another resource builder (the platform's, for comparison).
std::wstring readFaceNameWith(const std::wstring& fontPath, const FontResourceBuilderFn& build);
