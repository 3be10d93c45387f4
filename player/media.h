#pragma once
// The MCI session of the player: open, play, pause, resume, seek, poll and close.
#include <windows.h>
#include <mmsystem.h>
#include <digitalv.h>

// The winmm calls of the session in one record: every request the player makes to MCI passes
// here, so that a session can run, and be watched, without a device behind it.
struct MciSeam {
    MCIERROR(WINAPI* sendCommand)
    (MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parameters);
    UINT(WINAPI* waveOutDevices)();
    UINT(WINAPI* midiOutDevices)();
};

extern MciSeam mciSeam;
extern const MciSeam kRealMci;

// The flag words of each request.
constexpr DWORD kOpenSoundFlags = MCI_OPEN_ELEMENT | MCI_WAIT;                       // 0x202
constexpr DWORD kOpenVideoFlags = MCI_OPEN_ELEMENT | MCI_WAIT | MCI_DGV_OPEN_PARENT; // 0x20202
constexpr DWORD kWaitFlags = MCI_WAIT;                                               // 0x2
constexpr DWORD kPlaySoundFlags = MCI_NOTIFY;                                        // 0x1
constexpr DWORD kPlayVideoFlags = 0;                       // neither notify nor wait
constexpr DWORD kSeekFlags = MCI_TO | MCI_WAIT;            // 0xA
constexpr DWORD kStatusFlags = MCI_STATUS_ITEM | MCI_WAIT; // 0x102
constexpr DWORD kVideoLengthFlags = MCI_STATUS_ITEM;       // 0x100
constexpr DWORD kWindowFlags = MCI_DGV_WINDOW_HWND;        // 0x10000
constexpr DWORD kPutDestinationFlags = MCI_DGV_RECT | MCI_DGV_PUT_DESTINATION; // 0x50000
constexpr DWORD kWhereSourceFlags = MCI_DGV_WHERE_SOURCE | MCI_WAIT;           // 0x20002
constexpr DWORD kResumeFlags = MCI_NOTIFY;                                     // 0x1

// Opens the video on MCI only to learn its frame size, and closes it again. False, without
// a message, when the device does not open it; a side no window can have is given as -1.
bool probeVideoSize(const char* path, int& width, int& height);

// Opens a Wave or Midi file, learns its length and starts it playing. 0 when there is no
// output device for it (no message) or the open fails ("File not found").
int StartAudio(const char* path);

// Opens a Video file in the main window above the band, learns its length and plays it.
int StartVideo(const char* path);

// Polls the position; at the end of playback, or when forced, stops and closes the device
// and returns true.
bool StopIfFinished(bool force);

// What a click on the PLAY/PAUSE button does, and what pressing it does for a screen reader:
// pauses or resumes.
void togglePause();

// Draws a playing video's frames in the client area above the band again, after the band
// changed its height.
void placeVideo();

void PauseMedia();

// Continues after a pause; a MIDI sequence is also played on from where it stands.
void ResumeMedia();

// Moves to the target position (device units) and plays on from there.
void SeekAndPlay(DWORD target);

// The video's own frame rate in frames per thousand seconds, as the device reports it, or 0
// when it reports none. A query that changes nothing, asked only for a screen reader.
DWORD videoFrameRate();
constexpr DWORD kFrameRateFlags = MCI_STATUS_ITEM | MCI_WAIT | MCI_DGV_STATUS_NOMINAL; // 0x20102
