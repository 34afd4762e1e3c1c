#include "files/GameFolder.h"

#include "runtime/Text.h"

GameFolder::GameFolder(const std::wstring& location) : location_(trimSpaces(location)) {}

std::wstring GameFolder::fontsFolder() const { return location_ + L"\\Data\\Fonts\\"; }

std::wstring GameFolder::replacedFontsFolder() const { return location_ + L"\\Data\\Replaced Fonts\\"; }
