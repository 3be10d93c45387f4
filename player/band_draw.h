#pragma once
// Drawing the control band with the kit's pens and brushes and the button bitmaps.
#include "band.h"

#include <windows.h>

// The band geometry of the player's window as it stands.
BandLayout playerBandLayout();

// Draws the track framed light at the top and left and dark at the bottom and right, its
// elapsed part blue and the rest silver, then the PLAY (when paused) or PAUSE face and STOP;
// while a contrast theme is on, in its colours.
void drawBand(HDC dc, const BandLayout& layout, DWORD position, DWORD length, bool paused);
