#pragma once
// The fonts floor, on runtime and files (library kernwell_fonts): the
// TrueType readers, the font resource builder, this face-name reader, the
// style-word splitter, the installed and the privately loaded fonts. It
// knows no windows.
//
// Reads a TrueType file's face name the way the main window always has:
// a font resource file is built for the font under a fixed temporary name
// in the program's folder, the name is read back out of it after
// "FONTRES:", and the file is deleted.

#include <functional>
#include <string>

// The temporary resource file's name, beside the executable.
constexpr const wchar_t* TempFontResourceName = L"~TEMP.FOT";
std::wstring tempFontResourcePath();

// Readies the temporary resource file's place at start-up and returns its
// path. A left-over file beside the executable is removed whatever its
// attributes. When it cannot be removed (held open, or a folder of that
// name) or the program's folder takes no new file, the file goes to the
// user's temporary folder instead, where a left-over is removed the same way.
std::wstring prepareFontResourcePath();

// The signature of CreateScalableFontResourceW.
using FontResourceBuilderFn = std::function<int(unsigned long hidden, const wchar_t* resourceFile,
                                                const wchar_t* fontFile, const wchar_t* currentPath)>;

// The face name, read through a resource file built at resourcePath; empty
// when none is built for the font (also when a left-over file is in the
// way, which is not touched).
// Once the resource file is built it is always closed and deleted again,
// also when reading it fails. Errors: the file's open or read failure as
// its run-time error; 6 (overflow) for a marker too far into the file; 5
// (invalid argument) for a name with no zero byte after it.
std::wstring readFaceName(const std::wstring& fontPath, const std::wstring& resourcePath = tempFontResourcePath());

// The same with another resource builder (the platform's, for comparison).
std::wstring readFaceNameWith(const std::wstring& fontPath, const FontResourceBuilderFn& build,
                              const std::wstring& resourcePath = tempFontResourcePath());
