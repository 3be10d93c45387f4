#pragma once
// Drawing pictures: BMP files of the user, and the player's own bitmap resources.
#include <windows.h>

// Draws the picture file at the top-left corner of dc; 1 when drawn, 0 otherwise (failures
// are reported through showCallError, an unsupported depth as text at (8, 8)).
int ShowBmpFile(HDC dc, const char* path);

// Copies the named bitmap resource of the player to (x, y) at its own size; 0 when no such
// resource exists (nothing is drawn).
int DrawResourceBitmap(HDC dc, const char* name, int x, int y);

// The SelectPalette of ShowBmpFile, replaceable by tests: the picture's palette lives only
// while the paint lasts, so a test sees it here.
extern HPALETTE(WINAPI* pictureSelectPalette)(HDC, HPALETTE, BOOL);

// Copies a bitmap at its own size to (x, y) of dc, through a memory context that takes dc's
// mapping mode. The bitmap stays the caller's.
void copyBitmap(HDC dc, HBITMAP bitmap, int x, int y);

// What reading a picture file's size found.
enum class PictureSize {
    Unopened, // the file cannot be opened
    Refused,  // its header does not describe a picture that fits in the file
    Read,     // width and height are set
};

// The size of the picture file from its header. The file is looked for as at every paint: a
// name without a folder through the system's file search.
PictureSize readPictureSize(const char* path, int& width, int& height);
