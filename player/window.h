#pragma once
#include <windows.h>

// The procedure of the player's window class: each message goes to a small handler.
LRESULT CALLBACK PlayerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The SetTimer with which the window starts its tick, replaceable: the period asked for is
// what matters, and real ticks come too unevenly to measure it from their spacing.
extern UINT_PTR(WINAPI* tickSetTimer)(HWND, UINT_PTR, UINT, TIMERPROC);
