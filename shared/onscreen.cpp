#include "onscreen.h"

#include <climits>

HMONITOR(WINAPI* monitorFromRect)(LPCRECT, DWORD) = MonitorFromRect;

namespace {

// left + size, held at the largest coordinate rather than wrapping past it.
LONG farEdge(int start, int size) {
    return size > 0 && start > INT_MAX - size ? INT_MAX : start + (size > 0 ? size : 0);
}

} // namespace

bool touchesMonitor(int left, int top, int width, int height) {
    RECT place = {left, top, farEdge(left, width), farEdge(top, height)};
    return monitorFromRect(&place, MONITOR_DEFAULTTONULL) != nullptr;
}
