#pragma once
// Reads a TrueType file's face name the way the main window always has:
// a font resource file is built for the font under a fixed temporary name
// in the program's folder, the name is read back out of it after
// "FONTRES:", and the file is deleted.

#include <functional>
#include <optional>
#include <string>

#include "files/ProgramFolder.h"

// The temporary resource file's name, beside the executable.
constexpr const wchar_t* TempFontResourceName = L"~TEMP.FOT";
std::wstring tempFontResourcePath();

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

// The face-name reader of a running program. Its resource file is
// "~TEMP.FOT" beside the program; a read that cannot build or keep that
// file (a full disk, a folder that takes no file, the file of another
// instance of the program started from the same folder) builds one of this
// process's own in the user's temporary folder instead and goes on.
class FaceNameReader {
public:
    // At start-up. A "~TEMP.FOT" left beside the program is removed,
    // whatever its attributes, unless another instance started from the
    // same folder runs: then it may be that instance's, and stays.
    FaceNameReader();

    std::wstring read(const std::wstring& fontPath, const FontResourceBuilderFn& build) const;

    // The name of this process's own resource file.
    const std::wstring& ownResourcePath() const { return ownPath_; }

private:
    ProgramFolderMark folderMark_;
    std::wstring besidePath_;
    std::wstring ownPath_;
};
