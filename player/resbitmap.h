#pragma once
// Bitmaps copied at their own size (the player's bitmap resources, any bitmap of a picture), or
// the player's pixel art scaled to a display's DPI.
#include <windows.h>

// The bitmap's own size, rather than one to scale it to.
constexpr SIZE kOwnSize = {0, 0};

// How a contrast theme re-colours a picture of the player: the colours of the standard table
// whose bits are set in `ink` (bit k for colour k) take the system colour `foreground`, all
// others `background`.
struct ThemeColours {
    unsigned ink;
    int foreground;
    int background;
};

// The button faces: their glyph and the outer lines of their edge (black and white) on the
// face (silver, and the grey of the inner shadow).
constexpr ThemeColours kButtonTheme = {1u << 0 | 1u << 15, COLOR_BTNTEXT, COLOR_BTNFACE};
// The sound window's picture: its words (white, with silver relief) on a plain background
// (the grey, and the black of the engraving and of the letters' outline).
constexpr ThemeColours kWaveTheme = {1u << 7 | 1u << 15, COLOR_WINDOWTEXT, COLOR_WINDOW};

// Copies the named bitmap resource of the player to (x, y), at its own size or scaled to
// `size`, in its own colours or, while a contrast theme is on, in the theme's two as `theme`
// maps them; 0 when no such resource exists (nothing is drawn).
int DrawResourceBitmap(HDC dc, const char* name, int x, int y, SIZE size = kOwnSize,
                       const ThemeColours* theme = nullptr);

// Copies a bitmap to (x, y) of dc, through a memory context that takes dc's mapping mode, at
// its own size or scaled to `size`. Scaled, each of its pixels becomes a block of whole pixels
// (at twice its size, exactly 2 by 2), never a blend of its neighbours. The bitmap stays the
// caller's.
void copyBitmap(HDC dc, HBITMAP bitmap, int x, int y, SIZE size = kOwnSize);
