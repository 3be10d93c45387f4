#pragma once
// The calculator's number to and from the clipboard, as CF_TEXT. Each call opens the clipboard
// for the dialog and closes it again before it returns.
#include "keypad.h"

#include <windows.h>

// Puts the number the display shows on the clipboard. False, with the clipboard as it was, at
// the overflow text or when another program holds the clipboard.
bool copyShownNumber(HWND owner);

// Pastes the clipboard's text into `calc` as typed keys (pasteText): a refusal when there is no
// text or another program holds the clipboard. The caller applies the effects.
KeyEffects pasteClipboardNumber(HWND owner);
