#pragma once
// Bitmaps copied at their own size: the player's bitmap resources, and any bitmap of a picture.
#include <windows.h>

// Copies the named bitmap resource of the player to (x, y) at its own size; 0 when no such
// resource exists (nothing is drawn).
int DrawResourceBitmap(HDC dc, const char* name, int x, int y);

// Copies a bitmap at its own size to (x, y) of dc, through a memory context that takes dc's
// mapping mode. The bitmap stays the caller's.
void copyBitmap(HDC dc, HBITMAP bitmap, int x, int y);
