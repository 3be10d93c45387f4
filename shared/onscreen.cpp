#include "onscreen.h"

#include <climits>

HMONITOR(WINAPI* monitorFromRect)(LPCRECT, DWORD) = MonitorFromRect;

namespace {

// start + size, held at the largest coordinate rather than wrapping past it; an empty size
// adds nothing.
LONG farEdge(int start, int size) {
    if (size <= 0)
        return start;
    return start > INT_MAX - size ? INT_MAX : start + size;
}

} // namespace

bool touchesMonitor(int left, int top, int width, int height) {
    RECT place = {left, top, farEdge(left, width), farEdge(top, height)};
    return monitorFromRect(&place, MONITOR_DEFAULTTONULL) != nullptr;
}
