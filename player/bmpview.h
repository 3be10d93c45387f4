#pragma once
// Pictures from BMP files of the user: drawn at each paint, and measured for the window's size.
#include <windows.h>

// Draws the picture file at the top-left corner of dc; 1 when drawn, 0 otherwise (failures
// are reported through showCallError, an unsupported depth as text at (8, 8)).
int ShowBmpFile(HDC dc, const char* path);

// The SelectPalette of ShowBmpFile: the one place where the picture's palette, which lives
// only while the paint lasts, is handed to the device context and taken back.
extern HPALETTE(WINAPI* pictureSelectPalette)(HDC, HPALETTE, BOOL);

// What reading a picture file's size found.
enum class PictureSize {
    kUnopened, // the file cannot be opened
    kRefused,  // it gives no size a window can take (bmpWindowSize)
    kRead,     // width and height are set
};

// The size of the picture file from its header. The file is looked for as at every paint: a
// name without a folder through the system's file search.
PictureSize readPictureSize(const char* path, int& width, int& height);
