#pragma once
// The calculator dialog: maps control ids to the keypad engine and the engine's effects to
// dialog calls.
#include <windows.h>

// The dialog's one error signal, MessageBeep by default; a seam, so that the signal can be
// taken where no sound can be heard.
extern BOOL(WINAPI* keyBeep)(UINT type);

// The system menu's Copy and Paste, also given by the clipboard keys (clipboard_keys.h). System
// command ids are below 0xF000 with the low four bits clear (the system uses those bits).
constexpr UINT kCommandCopy = 0x0010;
constexpr UINT kCommandPaste = 0x0020;
// Not "&Copy": Alt+Space then C must still reach "&Close".
constexpr char kCopyItem[] = "C&opy\tCtrl+C";
constexpr char kPasteItem[] = "&Paste\tCtrl+V";

// The procedure of the dialog template "VEBOCALC". Works on the process-wide `calc` and
// `startup` records: it starts from `startup` and stores the place, value and memory into it
// when the dialog ends. It answers WM_SYSCOMMAND for Copy and Paste only.
INT_PTR CALLBACK calcDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
