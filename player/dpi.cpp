#include "dpi.h"

#include "platform.h"

namespace {

// Windows 10 (version 1607) on; looked up, never imported, so that the player loads on
// Windows 95 and NT 4.0.
using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
const AdjustForDpi adjustWindowRectExForDpi =
    systemFunctionAs<AdjustForDpi>("user32.dll", "AdjustWindowRectExForDpi");

} // namespace

UINT(WINAPI* dpiForWindow)
(HWND) = systemFunctionAs<UINT(WINAPI*)(HWND)>("user32.dll", "GetDpiForWindow");

bool perMonitorDpi() {
    return dpiForWindow != nullptr;
}

int systemDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen != nullptr)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int windowDpi(HWND window) {
    UINT dpi = dpiForWindow != nullptr ? dpiForWindow(window) : 0;
    return dpi != 0 ? static_cast<int>(dpi) : systemDpi();
}

WindowFrame windowFrame(DWORD style, int dpi) {
    RECT frame = {0, 0, 0, 0};
    // Without the DPI form the system has one DPI, and the plain form measures at it.
    if (adjustWindowRectExForDpi == nullptr ||
        !adjustWindowRectExForDpi(&frame, style, FALSE, 0, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&frame, style, FALSE, 0);
    int below = frame.bottom;
    return WindowFrame{frame.right - frame.left, 2 * below, -frame.top - below};
}
