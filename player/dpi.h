#pragma once
// The display's DPI and the window frame at it, as the system reports them. Windows 10 gives
// each monitor its own DPI; older systems have one for the whole screen (96, or 120 with large
// fonts), and the functions that know of monitors are looked up where the system has them.
#include <windows.h>

// GetDpiForWindow (Windows 10 on), looked up; null where the system has one DPI for the whole
// screen. A seam, so that the player can also be run as on such a system.
extern UINT(WINAPI* dpiForWindow)(HWND);

// Whether the system gives each monitor its own DPI: only there do the DPI messages mean what
// they say. Elsewhere their numbers are free, and any program may post them
// with any value.
bool perMonitorDpi();

// The DPI of the whole screen: the one Windows started the session with.
int systemDpi();

// The DPI of the monitor the window is on; the screen's where the system knows only that.
int windowDpi(HWND window);

// What a window of the style adds around its client area at the DPI: the frame's columns
// left and right together, its rows above and below together, and the caption's rows.
struct WindowFrame {
    int width;
    int height;
    int caption;
};
WindowFrame windowFrame(DWORD style, int dpi);
