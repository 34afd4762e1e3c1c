#pragma once
// Files for tests: the committed fixtures, and throwaway folders on drive C:
// of the test prefix that are removed with everything in them.

#include <string>
#include <vector>

// Full Windows path of a file under tests/fixtures (reached through Z:).
std::wstring fixturePath(const std::wstring& name);

std::vector<char> readAllBytes(const std::wstring& path);
void writeAllBytes(const std::wstring& path, const std::vector<char>& bytes);
bool fileExists(const std::wstring& path);

class TempFolder {
public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::wstring& path() const { return path_; }
    // path() + "\" + name
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

void removeTree(const std::wstring& path);
