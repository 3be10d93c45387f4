#pragma once
// Runs the calculator's modal dialog in the test process and acts on it from inside the
// dialog's own message loop, through a thread timer.
#include <windows.h>

#include <functional>
#include <string>

// The calculator dialog of this thread, or null.
HWND findCalcDialog();

// Calls `act` once the dialog of `run` is up; `act` ends the dialog itself (a key, a posted
// message). Should the dialog still be up after `limitMs`, it is ended with IDCANCEL and
// `timedOut` is set. Returns what `run` returned.
struct DialogScript {
    std::function<void(HWND)> act;
    unsigned limitMs = 60000;
    bool acted = false;
    bool timedOut = false;
};
INT_PTR driveDialog(DialogScript& script, const std::function<INT_PTR()>& run);

// Sends a key's WM_COMMAND as its button would.
void clickKey(HWND dialog, int id);

// Lets the dialog paint its display now and returns the indicator's text.
std::string paintedIndicator(HWND dialog);

// The window text of a control.
std::string controlText(HWND dialog, int id);
