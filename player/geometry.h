#pragma once
// The window's measures at a DPI: its frame and caption from the system's metrics, the band
// and the start size scaled from their 96-DPI lengths. Below the start-up and the window
// procedure, which both use it.
#include "state.h"

#include <windows.h>

// The measures of PlayerState that follow the DPI.
struct WindowGeometry {
    int dpi;
    int frameWidth;
    int frameHeight;
    int captionHeight;
    int bandHeight;
    int buttonWidth;
    int windowWidth;
    int windowHeight;
};

// The window's style: captioned, or a bare bar.
DWORD playerWindowStyle();

// The start geometry of the state's window at the DPI, before the media fits it (a bar's too).
WindowGeometry startGeometryAtDpi(const PlayerState& state, int dpi);

// The state's window as it would be at another DPI: a sound window and a bar take that DPI's
// measures, a picture and a video's frames keep their own size, and the band is scaled.
WindowGeometry geometryAtDpi(const PlayerState& state, int dpi);

// Makes the geometry the player's.
void setGeometry(const WindowGeometry& geometry);

// The start geometry at the screen's DPI, made the player's.
void setStartGeometry();
