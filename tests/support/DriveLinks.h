#pragma once
// A drive letter that exists but cannot be read, like a drive without a
// medium: listed among the machine's drives, of type DRIVE_NO_ROOT_DIR, and
// listing its root fails with "path not found". It is defined in the Wine
// session (every process sees it while it exists) on the highest letter
// that no other drive uses, and removed again by the destructor.

#include <string>

class UnavailableDrive {
public:
    UnavailableDrive();
    UnavailableDrive(const UnavailableDrive&) = delete;
    UnavailableDrive& operator=(const UnavailableDrive&) = delete;
    ~UnavailableDrive();

    wchar_t letter() const { return letter_; }  // upper case
    std::wstring drive() const;                 // "Q:"
    std::wstring root() const;                  // "Q:\"

private:
    wchar_t letter_ = 0;
};
