#pragma once
// Opening a file that the player does not show with the application the system associates
// with it.
#include "classify.h"

#include <windows.h>

// The platform calls of the hand-off in one record: the drives and folders it changes and
// restores, and the shell it asks, so that the hand-off can run against stand-ins for them.
struct ShellSeam {
    int (*pathExists)(const char* path);
    int (*currentDrive)();         // 0 is A:, 2 is C:
    int (*changeDrive)(int drive); // 0 on success
    bool (*currentFolder)(char* area, int capacity);
    int (*changeFolder)(const char* folder); // 0 on success
    HINSTANCE(WINAPI* shellExecute)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    HINSTANCE(WINAPI* findExecutable)(LPCSTR file, LPCSTR folder, LPSTR program);
};

extern ShellSeam shellSeam;
extern const ShellSeam kRealShell;

// Work areas of the hand-off: each holds the player's whole path, and the current folder as
// deep a one, so that it is restored after the file's drive was made current.
constexpr int kFileNameArea = kPathArea;
constexpr int kParametersArea = kPathArea;
constexpr int kFolderArea = kPathArea;

// Trims the text in place, splits it into an existing file name and parameters, and asks the
// shell to open it while its drive is current; reports a failure with showCallError. A whole
// name (one the command line quoted) is not split, and reaches the shell quoted, so that
// nothing splits it at a blank there either. Where the shell would open the file with this very
// player, nothing is handed off: a file of a kind the player shows (its extension in any case)
// leaves its name alone in the text and its kind is returned, for the player to show it; any
// other is reported as a kind it cannot show. Otherwise kNone.
MediaKind handOffFile(char* commandText, bool wholeName = false);

// Upper-cases a-z and the accented small letters of code page 1252 to their base capital.
unsigned char foldLetter(unsigned char letter);
