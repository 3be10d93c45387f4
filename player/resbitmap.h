#pragma once
// Bitmaps copied at their own size (the player's bitmap resources, any bitmap of a picture), or
// the player's pixel art scaled to a display's DPI.
#include <windows.h>

// The bitmap's own size, rather than one to scale it to.
constexpr SIZE kOwnSize = {0, 0};

// Copies the named bitmap resource of the player to (x, y), at its own size or scaled to
// `size`; 0 when no such resource exists (nothing is drawn).
int DrawResourceBitmap(HDC dc, const char* name, int x, int y, SIZE size = kOwnSize);

// Copies a bitmap to (x, y) of dc, through a memory context that takes dc's mapping mode, at
// its own size or scaled to `size`. Scaled, each of its pixels becomes a block of whole pixels
// (at twice its size, exactly 2 by 2), never a blend of its neighbours. The bitmap stays the
// caller's.
void copyBitmap(HDC dc, HBITMAP bitmap, int x, int y, SIZE size = kOwnSize);
