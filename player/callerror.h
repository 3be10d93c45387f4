#pragma once
// The player's one error report: the message box "CallWAVE" with the text of an error code of
// the shell. The player's own failures use the same codes.
#include <windows.h>
#include <shellapi.h>

// The codes with a text of their own; every other code is an "Unknown error".
enum CallError : int {
    kFileNotFound = SE_ERR_FNF,
    kPathNotFound = SE_ERR_PNF,
    kAccessDenied = SE_ERR_ACCESSDENIED, // shown as "Network error"
    kOutOfMemory = SE_ERR_OOM,
    kNoAssociation = SE_ERR_NOASSOC,
    // Not a result of the shell, which would start this very player with the file again.
    kNotShownHere = 0x100,
    kPathTooLong = ERROR_FILENAME_EXCED_RANGE, // the player's own, above the shell's codes
};

// The message box of showCallError; a seam so that the player can run without a desktop
// to answer it.
extern int(WINAPI* callErrorBox)(HWND, LPCSTR, LPCSTR, UINT);

// Shows the text of `code`, which may be any result of ShellExecuteA at or below 32.
void showCallError(int code);

// The text showCallError shows for a code.
const char* callErrorText(int code);
