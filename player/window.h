#pragma once
#include <windows.h>

// The procedure of the player's window class: each message goes to a small handler.
LRESULT CALLBACK PlayerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
