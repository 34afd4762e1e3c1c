#pragma once
// Our own scalable font resource builder, with the contract of the
// platform's CreateScalableFontResourceA: it writes a .FOT file that names
// a TrueType font and records the font's full name after "FONTRES:".

#include <windows.h>

// hidden: nonzero makes the resource private to the process that adds it.
// resourceFile: the .FOT to create; it must not exist yet.
// fontFile: the TrueType file, recorded in the resource as given.
// currentPath: when not null or empty, the folder that fontFile is in.
// Returns nonzero when the resource file has been written; 0 when the font
// cannot be read or is not TrueType, or the resource file exists already
// or cannot be written (then no resource file is left behind).
int createScalableFontResource(DWORD hidden, const char* resourceFile, const char* fontFile,
                               const char* currentPath);
