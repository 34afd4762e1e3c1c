#include "forms/Placement.h"

#include <algorithm>

namespace {
POINT centredIn(SIZE window, const RECT& area) {
    return POINT{area.left + ((area.right - area.left) - window.cx) / 2,
                 area.top + ((area.bottom - area.top) - window.cy) / 2};
}
}  // namespace

POINT placeBeside(SIZE window, const std::optional<RECT>& neighbour, const RECT& workArea) {
    if (!neighbour) return centredIn(window, workArea);
    if (window.cy > workArea.bottom - workArea.top) return centredIn(window, *neighbour);
    LONG top = std::clamp(neighbour->top, workArea.top, workArea.bottom - window.cy);
    if (neighbour->right + window.cx <= workArea.right) return POINT{neighbour->right, top};
    if (neighbour->left - window.cx >= workArea.left) return POINT{neighbour->left - window.cx, top};
    return centredIn(window, *neighbour);
}
