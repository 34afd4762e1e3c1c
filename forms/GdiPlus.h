#pragma once
// GDI+'s headers call min and max unqualified, which NOMINMAX takes away
// from windows.h: they are given the standard ones before being read.

#include <windows.h>

#include <objidl.h>
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>
