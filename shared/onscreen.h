#pragma once
// Whether a window's place can be seen: a place saved on a monitor that is gone, or written
// by hand, must not open a window nobody can see.
#include <windows.h>

// The system's monitor lookup, found when the program starts, or null where the system has
// none (Windows 95 and NT 4.0, which have one screen); tests put a layout of several monitors
// in its place, or null.
using MonitorLookup = HMONITOR(WINAPI*)(LPCRECT, DWORD);
extern MonitorLookup monitorFromRect;

// True when a window of this size at (left, top) shares at least one pixel with a monitor,
// any monitor of the desktop, those left of or above the primary one included. Without the
// monitor lookup, the primary screen is the only monitor.
bool touchesMonitor(int left, int top, int width, int height);
