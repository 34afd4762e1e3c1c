#pragma once
// The folder that holds the executable, without a trailing separator. The
// temporary font resource file lives there and the drive list falls back to
// its drive. Tests point it at a throwaway folder with ProgramFolderOverride.

#include <string>

std::wstring programFolder();

class ProgramFolderOverride {
public:
    explicit ProgramFolderOverride(std::wstring folder);
    ProgramFolderOverride(const ProgramFolderOverride&) = delete;
    ProgramFolderOverride& operator=(const ProgramFolderOverride&) = delete;
    ~ProgramFolderOverride();

private:
    std::wstring previous_;
};
