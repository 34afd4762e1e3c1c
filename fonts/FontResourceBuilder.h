#pragma once
// Our own scalable font resource builder, with the contract of the
// platform's CreateScalableFontResource: it writes a .FOT file that names
// a TrueType font and records the font's full name after "FONTRES:". Both
// files are reached by their wide paths; inside the .FOT the font's path
// and its names are text of the ANSI code page, as the format has them.

#include <windows.h>

#include <string>

#include "fonts/TrueTypeTables.h"

// hidden: nonzero makes the resource private to the process that adds it.
// resourceFile: the .FOT to create; it must not exist yet.
// fontFile: the TrueType file, recorded in the resource as given.
// currentPath: when not null or empty, the folder that fontFile is in.
// Returns nonzero when the resource file has been written. Returns 0 with
// ERROR_BAD_FORMAT when the font cannot be read or is not TrueType with a
// usable name, and 0 with the file system's error when the resource file
// exists already or cannot be written whole (then none is left behind).
int createScalableFontResource(DWORD hidden, const wchar_t* resourceFile, const wchar_t* fontFile,
                               const wchar_t* currentPath);

// The same for a font whose tables have been read already.
int createFontResource(const FontTables& font, DWORD hidden, const wchar_t* resourceFile,
                               const wchar_t* fontFile);

// Passes when fontFile is a font the program may install: one the builder
// builds a resource for, whose structure is sound. Raises the file
// system's error when the file cannot be opened, and 321 (invalid file
// format) otherwise.
void requireSoundFont(const std::wstring& fontFile);
