#pragma once
// The calculator's owner-drawn display: a black panel with a white outline and the number in
// green, right-aligned, plus the memory indicator beside it.
#include <windows.h>

// Requested by name; where it is not installed the font mapper substitutes the nearest face.
constexpr char kDisplayFace[] = "Venus";

// Paints control 701 from `calc` for a WM_DRAWITEM record and sets the dialog's memory
// indicator (700). Records for other controls or other actions change nothing; so does a null
// record. A null dialog paints the panel without touching an indicator.
void paintDisplay(HWND dialog, const DRAWITEMSTRUCT* item);

// Gives the display control the number it shows as its window text, the field without its
// padding blanks ("-12.5"), so that a screen reader can read it; sets it only when it changed.
// Called where the display is invalidated, never from its WM_DRAWITEM.
void updateDisplayWindowText(HWND display);

// Rectangle(left, top, right, bottom) filled with kit brush `brush` and outlined with kit pen
// `pen`. The kit objects stay selected in the context.
void drawBox(HDC dc, int left, int top, int right, int bottom, int brush, int pen);

// The font of the display text: cell height availableHeight / heightDivisor, character width
// availableWidth / (columns * 115 / 100), in the "Venus" face. A zero divisor gives size 0.
LOGFONTA displayFont(int heightDivisor, int columns, int availableWidth, int availableHeight);

// Draws `text` in kit colour `colour` with its right end 8 pixels beyond availableWidth and its
// top at y = 8, and returns the font's cell height. Draws nothing and returns 0 when the font
// would have no size (a panel too small, a zero divisor) or the colour is not a kit index.
int drawDisplayText(HDC dc, const char* text, int heightDivisor, int columns, int colour,
                    int availableWidth, int availableHeight);

// Select kit pen or kit brush `index` and return the object selected before; an index outside
// the kit selects nothing and returns null.
HGDIOBJ selectKitPen(HDC dc, int index);
HGDIOBJ selectKitBrush(HDC dc, int index);
