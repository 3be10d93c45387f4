#pragma once
#include <windows.h>

// The player from command line to exit code: classify, hand off or show the file.
int runPlayer(HINSTANCE instance, HINSTANCE previous, const char* commandLine, int show);

// The start-up before the message loop: the shown main window, or nullptr when the player
// ends at once with exit code 0 (nothing to show, a file handed off, no window). The window
// class is registered unless a previous instance is given.
HWND startPlayer(HINSTANCE instance, HINSTANCE previous, const char* commandLine, int show);

// Dispatches the thread's messages until WM_QUIT; its code is the player's exit code.
int runMessageLoop();

// Copies the path the command line names into the path area: the line without its surrounding
// blanks, or, when that begins with a quotation mark, what stands between it and the next one
// (or the end). A quoted path of blanks only is empty. A path longer than the area is refused
// (false) rather than cut: a cut path would name another file.
bool takeCommandLine(const char* commandLine);

// Start geometry of the window for the kind, before the media fits it, at the screen's DPI: its
// frame, its band and its size (a bar's too).
void setStartGeometry();

// The same at the DPI of the window's monitor: the frame from the system's metrics for it, the
// band and the start size scaled from their 96-DPI lengths.
void setGeometryAtDpi(int dpi);

// The window's style: captioned, or a bare bar.
DWORD playerWindowStyle();

// Reads the four bar values and writes them back as integers.
void loadBarValues();
