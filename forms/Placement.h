#pragma once
// Where a new window goes, as a pure function of the rectangles involved.

#include <windows.h>

#include <optional>

// A window of this size beside its neighbour (the neighbour's frame), on
// the right or else on the left, when the work area has room for it beside
// the neighbour, kept inside the work area from top to bottom; centred over
// the neighbour otherwise; centred in the work area without a neighbour.
POINT placeBeside(SIZE window, const std::optional<RECT>& neighbour, const RECT& workArea);
