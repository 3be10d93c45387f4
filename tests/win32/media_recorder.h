#pragma once
// Stands in for winmm's MCI in tests: records every request with a copy of the fields of its
// parameter record that the player sets, and answers from a script. Also records the message
// boxes of showCallError instead of showing them.
#include "player/media.h"

#include <windows.h>
#include <mmsystem.h>
#include <digitalv.h>

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

struct MciRequest {
    MCIDEVICEID device;
    UINT message;
    DWORD flags;
    DWORD_PTR record; // address of the parameter record, to see which record was used
    DWORD_PTR callback;
    bool deviceTypeNamed; // open: a device type was given
    std::string element;  // open: the element name
    HWND parent;          // video open: hWndParent
    DWORD style;          // video open: dwStyle
    DWORD item;           // status: the item asked for
    DWORD from;           // play: dwFrom
    DWORD to;             // play, seek: dwTo
    RECT rc;              // put: the rectangle given
    HWND window;          // window: hWnd
};

struct MciScript {
    UINT waveDevices = 1;
    UINT midiDevices = 1;
    MCIERROR openResult = 0;
    // Results of the first opens, in turn, before openResult applies.
    std::deque<MCIERROR> openResults;
    WORD deviceId = 7;
    DWORD length = 1000;
    // Positions answered in turn; the last one is repeated once the queue is empty.
    std::deque<DWORD> positions;
    DWORD position = 0;
    DWORD mode = MCI_MODE_PLAY;
    // A video's frame rate in frames per thousand seconds; 0: the device reports none.
    DWORD frameRate = 0;
    RECT source = {0, 0, 320, 240};
    // Requests that fail with the given code and write nothing into their record.
    std::map<UINT, MCIERROR> failures;
    // Items of MCI_STATUS that fail.
    std::map<DWORD, MCIERROR> statusFailures;
    // Devices opened and not yet closed: requests to others fail and answer nothing.
    std::set<MCIDEVICEID> openDevices;
    // How often the device counts were asked for.
    int waveCountsAsked = 0;
    int midiCountsAsked = 0;
};

extern MciScript mciScript;
extern std::vector<MciRequest> mciRequests;

// Message boxes asked for, as "caption|text|flags".
extern std::vector<std::string> errorBoxes;

// The recorders bound into mciSeam and callErrorBox for the life of the scope; the script
// and the records start fresh.
struct MediaRecorderScope {
    MediaRecorderScope();
    ~MediaRecorderScope();
    MediaRecorderScope(const MediaRecorderScope&) = delete;
    MediaRecorderScope& operator=(const MediaRecorderScope&) = delete;

  private:
    MciSeam savedMci;
    int(WINAPI* savedBox)(HWND, LPCSTR, LPCSTR, UINT);
};

// One line per request, e.g. "OPEN 0x20202 dev 0", "STATUS 0x102 dev 7 item 2".
std::string describe(const MciRequest& request);
std::vector<std::string> describeAll();

// The requests, described, from index `first` on.
std::vector<std::string> describeFrom(std::size_t first);

// A name for a request message: "OPEN", "PLAY", ...
const char* messageName(UINT message);
