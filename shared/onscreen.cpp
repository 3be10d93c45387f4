#include "onscreen.h"

#include "platform.h"

#include <climits>

// Looked up, never imported: Windows 95 and NT 4.0 would refuse to load a program that
// imports it.
MonitorLookup monitorFromRect = systemFunctionAs<MonitorLookup>("user32.dll", "MonitorFromRect");

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
    if (monitorFromRect != nullptr)
        return monitorFromRect(&place, MONITOR_DEFAULTTONULL) != nullptr;
    return place.right > 0 && place.bottom > 0 && place.left < GetSystemMetrics(SM_CXSCREEN) &&
           place.top < GetSystemMetrics(SM_CYSCREEN);
}
