#pragma once
// The calculator's owner-drawn display: a black panel with a white outline and the number in
// green, right-aligned, plus the memory indicator beside it. While a contrast theme is on, the
// panel takes the system's window colour and the outline and number its window text colour.
#include "drawkit.h"

#include <windows.h>

// Requested by name; where it is not installed the font mapper substitutes the nearest face.
constexpr char kDisplayFace[] = "Venus";

// Paints the display control from `calc` for a WM_DRAWITEM record and sets the dialog's
// memory indicator. Records for other controls or other actions change nothing; so does a null
// record. A null dialog paints the panel without touching an indicator.
void paintDisplay(HWND dialog, const DRAWITEMSTRUCT* item);

// Gives the display control the number it shows as its window text, the field without its
// padding blanks ("-12.5"), so that a screen reader can read it; sets it only when it changed.
// Called where the display is invalidated, never from its WM_DRAWITEM.
void updateDisplayWindowText(HWND display);

// Rectangle(left, top, right, bottom) filled with kit brush `brush` and outlined with kit pen
// `pen`. The kit objects stay selected in the context.
void drawBox(HDC dc, int left, int top, int right, int bottom, KitColour brush, KitColour pen);

// The font of the display text: cell height availableHeight, character width
// availableWidth / (17 * 115 / 100) in integers, in the "Venus" face.
LOGFONTA displayFont(int availableWidth, int availableHeight);

// Draws `text` in kit green (the window text colour under a contrast theme) with its right end
// 8 pixels beyond availableWidth and its top at y = 8, and returns the font's cell height.
// Draws nothing and returns 0 when the panel is too small for the font to have a size.
int drawDisplayText(HDC dc, const char* text, int availableWidth, int availableHeight);

// Select kit pen or kit brush `colour` and return the object selected before; a value outside
// the kit selects nothing and returns null.
HGDIOBJ selectKitPen(HDC dc, KitColour colour);
HGDIOBJ selectKitBrush(HDC dc, KitColour colour);
