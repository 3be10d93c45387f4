#pragma once
#include <windows.h>

// Sizes the window for its media (video to its frames, pictures to their header, a control
// band under sound and video) and moves it to (x, y), centring on an axis given as -1. A
// place that would leave the window wholly off every monitor is not used: the window is
// centred instead (a bar goes to the screen's corner).
void FitWindowToMedia(HWND window, const char* path, int x, int y);
