#pragma once
// The control band as a screen reader finds it: the client object of a sound or video window
// has three children, PLAY/PAUSE, STOP and the progress track, with their names, value,
// places and default actions. oleacc and oleaut32 are loaded when a screen reader first asks.
#include <windows.h>

// The children's ids, in the order a screen reader meets them.
constexpr LONG kPlayPauseChild = 1;
constexpr LONG kStopChild = 2;
constexpr LONG kTrackChild = 3;

// Makes the system's own client object of a window, on which the band's object stands for the
// client area itself: oleacc's CreateStdAccessibleObject, looked up on first use. A seam, so
// that a test can hold the object and count what the band's object keeps of it.
extern HRESULT(STDAPICALLTYPE* makeSystemClientObject)(HWND window, LONG object, REFIID iid,
                                                       void** made);

// WM_GETOBJECT: the band's object for OBJID_CLIENT of a sound or video window; everything
// else (other objects, a picture window, whose standard client object bears the file's name
// as the window does) goes to the default procedure.
LRESULT answerGetObject(HWND window, WPARAM wParam, LPARAM lParam);

// At a tick, once a screen reader has the object: tells it when PLAY/PAUSE changed its name or
// the track its value since it was last told.
void announceBandChanges();

// The window's data is going: from now on every call on an object a client still holds fails
// with CO_E_OBJNOTCONNECTED, and the window serves no new one.
void endBandObject(HWND window);
