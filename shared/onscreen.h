#pragma once
// Whether a window's place can be seen: a place saved on a monitor that is gone, or written
// by hand, must not open a window nobody can see.
#include <windows.h>

// The system's monitor lookup; tests put a layout of several monitors in its place.
extern HMONITOR(WINAPI* monitorFromRect)(LPCRECT, DWORD);

// True when a window of this size at (left, top) shares at least one pixel with a monitor,
// any monitor of the desktop, those left of or above the primary one included.
bool touchesMonitor(int left, int top, int width, int height);
