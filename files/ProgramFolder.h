#pragma once
// The folder that holds the executable, without a trailing separator (a
// drive root keeps its own: "C:\"). The face-name reader builds its
// temporary font resource file there, and the drive list falls back to its
// drive. Tests point it at a throwaway folder with ProgramFolderOverride.

#include <string>

#include "runtime/Handle.h"

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

// Marks a program folder as used by this process for as long as the mark
// lives, so that two instances of the program started from one folder know
// of each other (they share the files the program keeps beside itself).
class ProgramFolderMark {
public:
    explicit ProgramFolderMark(const std::wstring& folder);

    // Whether another running process had marked the folder first.
    bool heldByAnother() const { return heldByAnother_; }

private:
    Handle<HANDLE, CloseHandleFn> mark_;
    bool heldByAnother_ = false;
};
