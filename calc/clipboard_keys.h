#pragma once
// The clipboard's keys in the calculator's modal dialog, which has no accelerators of its own.

// Ctrl+C and Ctrl+Insert copy, Ctrl+V and Shift+Insert paste, in the modal dialogs this thread
// runs between setClipboardKeys(true) and setClipboardKeys(false): a message filter (WH_MSGFILTER,
// MSGF_DIALOGBOX) turns these key presses into the dialog's system commands before the dialog
// manager sees them, so that they never become characters (TranslateMessage makes Ctrl+C the
// character 3) and every other key reaches the dialog as before.
void setClipboardKeys(bool on);
