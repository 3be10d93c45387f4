#pragma once
#include <windows.h>

// The player from command line to exit code: classify, hand off or show the file.
int runPlayer(HINSTANCE instance, HINSTANCE previous, const char* commandLine, int show);

// Copies the command line without its surrounding blanks into the path area. A command line
// whose trimmed text is longer than the area is refused (false) rather than cut: a cut path
// would name another file.
bool takeCommandLine(const char* commandLine);

// Start geometry of the window for the kind, before the media fits it.
void setStartGeometry();

// Reads the four bar values and writes them back as integers.
void loadBarValues();
