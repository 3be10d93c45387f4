#pragma once
// The MCI session of the player: open, play, pause, resume, seek, poll and close.
#include <windows.h>
#include <mmsystem.h>

// The winmm calls of the session, replaceable by a recorder in tests.
struct MciSeam {
    MCIERROR(WINAPI* sendCommand)(MCIDEVICEID device, UINT message, DWORD_PTR flags,
                                  DWORD_PTR parameters);
    UINT(WINAPI* waveOutDevices)();
    UINT(WINAPI* midiOutDevices)();
};

extern MciSeam mciSeam;
extern const MciSeam kRealMci;

// Opens the video on MCI only to learn its frame size, and closes it again.
bool probeVideoSize(const char* path, int& width, int& height);
