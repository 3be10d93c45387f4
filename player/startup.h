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

// How the command line named its path.
enum class CommandPath {
    kPlain,   // as typed: a text that may carry parameters after the file's name
    kQuoted,  // between quotation marks: a file's whole name
    kTooLong, // longer than the system takes: nothing is taken
};

// Copies the path the command line names into the path area: the line without its surrounding
// blanks, or, when that begins with a quotation mark, what stands between it and the next one
// (or the end). A quoted path of blanks only is empty. A path longer than MAX_PATH characters
// as the system counts them is refused rather than cut: a cut path would name another file.
CommandPath takeCommandLine(const char* commandLine);

// Reads the four bar values and writes them back as integers.
void loadBarValues();
