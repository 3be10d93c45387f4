#pragma once
// The player's process-wide state: one record for the whole run.
#include "classify.h"

#include <windows.h>
#include <mmsystem.h>
#include <digitalv.h>

// The MCI session of the run: the device, what it reported, and the parameter records that
// live as long as the process (pause, resume, seek and the final stop reuse them).
struct MediaSession {
    WORD deviceId;
    DWORD mediaLength;
    DWORD mediaPosition;
    char audioPath[kPathArea];
    char videoPath[kPathArea];
    MCI_OPEN_PARMSA audioOpen;
    MCI_DGV_OPEN_PARMSA videoOpen;
    MCI_PLAY_PARMS audioPlay;
    MCI_PLAY_PARMS videoPlay;
    MCI_GENERIC_PARMS generic;
    MCI_STATUS_PARMS audioStatus;
    MCI_STATUS_PARMS videoStatus;
    MCI_SEEK_PARMS seek;
    MCI_DGV_WINDOW_PARMSA videoWindow;
    MCI_DGV_RECT_PARMS videoDestination;
    MCI_DGV_RECT_PARMS videoSource;
};

struct PlayerState {
    HINSTANCE instance;
    HWND mainWindow;
    char mediaPath[kPathArea];
    MediaKind mediaKind;
    int dpi; // of the window's monitor; the measures below are in its pixels
    int frameWidth;
    int frameHeight;
    int captionHeight;
    int windowWidth;
    int windowHeight;
    int bandHeight;
    int buttonWidth;
    bool paused;
    int barMode;
    int barX;
    int barY;
    int barWidth;
    bool placeSaved; // the window's place is written once a run
    MediaSession session;
};

extern PlayerState player;

constexpr const char* kPlayerKey = "Software\\Tessaril\\VeboWAVE";
constexpr const char* kPlayerClass = "WINWAVE";

// The widest and highest a window can be: sizes that come from outside (a video's frames, the
// stored bar width) are held to it, as pictures' are.
constexpr int kLargestWindowSide = 32767;

// Bar mode applies to sound files only.
inline bool inBarMode(const PlayerState& state = player) {
    return state.barMode != 0 && state.mediaKind < kVideo;
}
