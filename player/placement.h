#pragma once
#include <windows.h>

// Sizes the window for its media (video to its frames, pictures to their header, a control
// band under sound and video) and moves it to (x, y), centring on an axis given as -1.
void FitWindowToMedia(HWND window, const char* path, int x, int y);
