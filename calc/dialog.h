#pragma once
// The calculator dialog: maps control ids to the keypad engine and the engine's effects to
// dialog calls.
#include <windows.h>

// The dialog's one error signal, MessageBeep by default; a seam, so that the signal can be
// taken where no sound can be heard.
extern BOOL(WINAPI* keyBeep)(UINT type);

// The procedure of the dialog template "VEBOCALC". Works on the process-wide `calc` and
// `startup` records: it starts from `startup` and stores the place, value and memory into it
// when the dialog ends.
INT_PTR CALLBACK calcDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
