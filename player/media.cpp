#include "media.h"

#include "callerror.h"
#include "platform.h"
#include "shortpath.h"
#include "state.h"

namespace {

// winmm is loaded when the first sound or video is opened, not at every start: loading it and
// its sound drivers is most of what a picture's start would otherwise cost beyond a bare window.
constexpr char kWinmm[] = "winmm.dll";

MCIERROR WINAPI sendCommandOnDemand(MCIDEVICEID device, UINT message, DWORD_PTR flags,
                                    DWORD_PTR parameters) {
    static decltype(&mciSendCommandA) send = nullptr;
    if (send == nullptr)
        send = systemFunctionAs<decltype(&mciSendCommandA)>(kWinmm, "mciSendCommandA");
    return send != nullptr ? send(device, message, flags, parameters) : MCIERR_DEVICE_NOT_INSTALLED;
}

// Without winmm there is no device of either kind.
UINT WINAPI waveOutDevicesOnDemand() {
    auto count = systemFunctionAs<decltype(&waveOutGetNumDevs)>(kWinmm, "waveOutGetNumDevs");
    return count != nullptr ? count() : 0;
}

UINT WINAPI midiOutDevicesOnDemand() {
    auto count = systemFunctionAs<decltype(&midiOutGetNumDevs)>(kWinmm, "midiOutGetNumDevs");
    return count != nullptr ? count() : 0;
}

} // namespace

const MciSeam kRealMci = {sendCommandOnDemand, waveOutDevicesOnDemand, midiOutDevicesOnDemand};
MciSeam mciSeam = kRealMci;

namespace {

// What the end test remembers from the previous poll. The AVI player of Wine stops at the
// last frame, whose position is one unit short of the length, so a position that stands
// still there while the user has not paused makes the poll ask whether the device stopped.
struct PollMemory {
    bool known;
    DWORD position;
};
PollMemory lastPoll = {};

MediaSession& session() {
    return player.session;
}

bool videoFamily() {
    return player.mediaKind >= kVideo;
}

DWORD_PTR notifyWindow() {
    return reinterpret_cast<DWORD_PTR>(player.mainWindow);
}

template <typename Record>
MCIERROR sendTo(MCIDEVICEID device, UINT message, DWORD flags, Record& record) {
    return mciSeam.sendCommand(device, message, flags, reinterpret_cast<DWORD_PTR>(&record));
}

// Every request but the open names the session's device.
template <typename Record> MCIERROR send(UINT message, DWORD flags, Record& record) {
    return sendTo(session().deviceId, message, flags, record);
}

template <typename Record> MCIERROR open(DWORD flags, Record& record) {
    return sendTo(0, MCI_OPEN, flags, record);
}

void prepareVideoOpen() {
    MediaSession& media = session();
    media.videoOpen.dwCallback = notifyWindow();
    media.videoOpen.hWndParent = player.mainWindow;
    media.videoOpen.lpstrDeviceType = nullptr;
    media.videoOpen.lpstrElementName = media.videoPath;
}

// Called only while the position is short of the length. It asks for every kind of media, not
// only video: any device that halts one unit short would otherwise keep its window open.
bool stoppedAtTheLastUnit(MCI_STATUS_PARMS& status) {
    DWORD position = session().mediaPosition;
    bool stoodStill = lastPoll.known && lastPoll.position == position && !player.paused;
    lastPoll = {true, position};
    if (!stoodStill || position + 1 != session().mediaLength)
        return false;
    status.dwItem = MCI_STATUS_MODE;
    status.dwReturn = 0;
    return send(MCI_STATUS, kStatusFlags, status) == 0 && status.dwReturn == MCI_MODE_STOP;
}

// The client area above the band, where the frames are drawn.
RECT videoArea() {
    RECT client = {};
    GetClientRect(player.mainWindow, &client);
    return {client.left, client.top, client.right, client.bottom - player.bandHeight};
}

// The length from one edge to the other, or -1 where no window could have it (the device's
// numbers are its own: they may even run backwards).
int windowSide(LONG from, LONG to) {
    long long length = static_cast<long long>(to) - from;
    return length >= 0 && length <= kLargestWindowSide ? static_cast<int>(length) : -1;
}

} // namespace

bool probeVideoSize(const char* path, int& width, int& height) {
    MediaSession& media = session();
    if (!copyOldCallPath(media.videoPath, sizeof media.videoPath, path))
        return false;
    media.generic.dwCallback = notifyWindow();
    media.videoSource.dwCallback = notifyWindow();
    prepareVideoOpen();
    if (open(kOpenVideoFlags, media.videoOpen) != 0)
        return false;
    media.deviceId = LOWORD(media.videoOpen.wDeviceID);
    send(MCI_WHERE, kWhereSourceFlags, media.videoSource);
    send(MCI_CLOSE, kWaitFlags, media.generic);
    const RECT& source = media.videoSource.rc;
    width = windowSide(source.left, source.right);
    height = windowSide(source.top, source.bottom);
    return true;
}

int StartAudio(const char* path) {
    MediaSession& media = session();
    MediaKind kind = player.mediaKind;
    if (path[0] == '\0' || (kind != kWave && kind != kMidi))
        return 0;
    if (kind == kWave && mciSeam.waveOutDevices() == 0)
        return 0;
    if (kind == kMidi && mciSeam.midiOutDevices() == 0)
        return 0;
    // A path cut to fit would name another file.
    if (!copyOldCallPath(media.audioPath, sizeof media.audioPath, path)) {
        showCallError(kFileNotFound);
        return 0;
    }
    media.audioOpen.dwCallback = notifyWindow();
    media.audioPlay.dwCallback = notifyWindow();
    media.generic.dwCallback = notifyWindow();
    media.audioStatus.dwCallback = notifyWindow();
    media.seek.dwCallback = notifyWindow();
    media.audioOpen.lpstrDeviceType = nullptr;
    media.audioOpen.lpstrElementName = media.audioPath;
    if (open(kOpenSoundFlags, media.audioOpen) != 0) {
        showCallError(kFileNotFound);
        return 0;
    }
    media.deviceId = LOWORD(media.audioOpen.wDeviceID);
    media.audioStatus.dwItem = MCI_STATUS_LENGTH;
    media.audioStatus.dwReturn = 0; // a failed query leaves no length: the first tick ends it
    send(MCI_STATUS, kStatusFlags, media.audioStatus);
    media.mediaLength = media.audioStatus.dwReturn;
    send(MCI_PLAY, kPlaySoundFlags, media.audioPlay);
    lastPoll = {};
    return 1;
}

int StartVideo(const char* path) {
    MediaSession& media = session();
    if (path[0] == '\0' || player.mediaKind != kVideo)
        return 0;
    if (!copyOldCallPath(media.videoPath, sizeof media.videoPath, path)) {
        showCallError(kFileNotFound);
        return 0;
    }
    prepareVideoOpen();
    media.videoWindow.dwCallback = notifyWindow();
    media.videoPlay.dwCallback = notifyWindow();
    media.generic.dwCallback = notifyWindow();
    media.seek.dwCallback = notifyWindow();
    media.videoStatus.dwCallback = notifyWindow();
    media.videoDestination.dwCallback = notifyWindow();
    media.videoWindow.hWnd = player.mainWindow;
    media.videoDestination.rc = videoArea();
    if (open(kOpenVideoFlags, media.videoOpen) != 0) {
        showCallError(kFileNotFound);
        return 0;
    }
    media.deviceId = LOWORD(media.videoOpen.wDeviceID);
    send(MCI_WINDOW, kWindowFlags, media.videoWindow);
    send(MCI_PUT, kPutDestinationFlags, media.videoDestination);
    media.videoStatus.dwItem = MCI_STATUS_LENGTH;
    media.videoStatus.dwReturn = 0;
    send(MCI_STATUS, kVideoLengthFlags, media.videoStatus);
    media.mediaLength = media.videoStatus.dwReturn;
    send(MCI_PLAY, kPlayVideoFlags, media.videoPlay);
    lastPoll = {};
    return 1;
}

bool StopIfFinished(bool force) {
    MediaSession& media = session();
    MCI_STATUS_PARMS& status = videoFamily() ? media.videoStatus : media.audioStatus;
    status.dwItem = MCI_STATUS_POSITION;
    send(MCI_STATUS, kStatusFlags, status);
    media.mediaPosition = status.dwReturn;
    if (media.mediaPosition < media.mediaLength && !force && !stoppedAtTheLastUnit(status))
        return false;
    send(MCI_STOP, kWaitFlags, media.generic);
    send(MCI_CLOSE, kWaitFlags, media.generic);
    return true;
}

void togglePause() {
    player.paused = !player.paused;
    if (player.paused)
        PauseMedia();
    else
        ResumeMedia();
    // The face changes at the next tick.
}

void placeVideo() {
    MediaSession& media = session();
    media.videoDestination.rc = videoArea();
    send(MCI_PUT, kPutDestinationFlags, media.videoDestination);
}

void PauseMedia() {
    send(MCI_PAUSE, kWaitFlags, session().generic);
}

void ResumeMedia() {
    send(MCI_RESUME, kResumeFlags, session().generic);
    if (player.mediaKind == kMidi)
        send(MCI_PLAY, kPlaySoundFlags, session().audioPlay);
    lastPoll = {};
}

void SeekAndPlay(DWORD target) {
    MediaSession& media = session();
    media.seek.dwTo = target;
    send(MCI_SEEK, kSeekFlags, media.seek);
    if (videoFamily())
        send(MCI_PLAY, kPlayVideoFlags, media.videoPlay);
    else
        send(MCI_PLAY, kPlaySoundFlags, media.audioPlay);
    lastPoll = {};
}

DWORD videoFrameRate() {
    MCI_DGV_STATUS_PARMSA status = {};
    status.dwCallback = notifyWindow();
    status.dwItem = MCI_DGV_STATUS_FRAME_RATE;
    if (send(MCI_STATUS, kFrameRateFlags, status) != 0)
        return 0;
    return static_cast<DWORD>(status.dwReturn);
}
