#pragma once
// Our own scalable font resource builder, with the contract of the
// platform's CreateScalableFontResource: it writes a .FOT file that names
// a TrueType font and records the font's full name after "FONTRES:". Both
// files are reached by their wide paths; inside the .FOT the font's path
// and its names are text of the ANSI code page, as the format has them.

#include <windows.h>

#include <string>

// hidden: nonzero makes the resource private to the process that adds it.
// resourceFile: the .FOT to create; it must not exist yet.
// fontFile: the TrueType file, recorded in the resource as given.
// currentPath: when not null or empty, the folder that fontFile is in.
// Returns nonzero when the resource file has been written; 0 when the font
// cannot be read or is not TrueType, or the resource file exists already
// or cannot be written (then no resource file is left behind).
int createScalableFontResource(DWORD hidden, const wchar_t* resourceFile, const wchar_t* fontFile,
                               const wchar_t* currentPath);

// Passes when the builder would build a resource for fontFile. Raises the
// file system's error when the file cannot be opened, and 321 (invalid file
// format) when it is not a TrueType font with a name the builder can read.
void requireBuildableFont(const std::wstring& fontFile);
