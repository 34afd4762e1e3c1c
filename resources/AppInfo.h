#pragma once
// The application information: fixed at build time, read by message-box
// titles and the About window. The version numbers are shared with the
// version resource through resources/resource.h.

#include "resources/resource.h"

namespace appinfo {
inline constexpr const wchar_t* Title = L"Glyphwright";
inline constexpr const wchar_t* ProductName = L"Glyphwright 01/02";
inline constexpr int Major = KERNWELL_VERSION_MAJOR;
inline constexpr int Minor = KERNWELL_VERSION_MINOR;
inline constexpr int Revision = KERNWELL_VERSION_REVISION;
inline constexpr const wchar_t* LegalNotice =
    L"Written by the Tessaline font team. Copyright (C) 2002 Tessaline. All rights reserved.";
}  // namespace appinfo
