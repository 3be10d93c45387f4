// The MCI requests of each session operation, seen through the recorder.
#include "player/media.h"
#include "media_recorder.h"
#include "player/state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

DWORD_PTR address(const void* record) {
    return reinterpret_cast<DWORD_PTR>(record);
}

class MediaSessionTest : public ::testing::Test {
  protected:
    MediaRecorderScope recorder;
    HWND window = nullptr;

    void SetUp() override {
        player = PlayerState{};
        player.bandHeight = 20;
        // A frameless window: its client area is its whole size, 321 by 261.
        window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 321, 261, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        player.mainWindow = window;
    }

    void TearDown() override { DestroyWindow(window); }

    DWORD_PTR notifyWindow() const { return reinterpret_cast<DWORD_PTR>(window); }

    void startWave(const char* path = "C:\\media\\song.wav") {
        player.mediaKind = kWave;
        ASSERT_EQ(StartAudio(path), 1);
    }

    void startVideo(const char* path = "C:\\media\\film.avi") {
        player.mediaKind = kVideo;
        ASSERT_EQ(StartVideo(path), 1);
    }

    // The requests from `first` on, described.
    Lines since(std::size_t first) const { return describeFrom(first); }
};

using StartAudioTest = MediaSessionTest;
using StartVideoTest = MediaSessionTest;
using VideoProbe = MediaSessionTest;
using EndOfPlayback = MediaSessionTest;
using PauseResumeSeek = MediaSessionTest;

} // namespace

TEST_F(StartAudioTest, WaveIsOpenedMeasuredAndPlayedWithNotification) {
    mciScript.length = 4321;
    startWave();
    EXPECT_EQ(describeAll(),
              (Lines{"OPEN 0x202 dev 0", "STATUS 0x102 dev 7 item 1", "PLAY 0x1 dev 7"}));
    const MciRequest& open = mciRequests[0];
    EXPECT_EQ(open.record, address(&player.session.audioOpen));
    EXPECT_EQ(open.element, "C:\\media\\song.wav");
    EXPECT_FALSE(open.deviceTypeNamed);
    EXPECT_EQ(open.callback, notifyWindow());
    EXPECT_EQ(mciRequests[1].record, address(&player.session.audioStatus));
    EXPECT_EQ(mciRequests[1].callback, notifyWindow());
    const MciRequest& play = mciRequests[2];
    EXPECT_EQ(play.record, address(&player.session.audioPlay));
    EXPECT_EQ(play.callback, notifyWindow());
    EXPECT_EQ(play.from, 0u);
    EXPECT_EQ(play.to, 0u);
    EXPECT_EQ(player.session.deviceId, 7);
    EXPECT_EQ(player.session.mediaLength, 4321u);
    EXPECT_STREQ(player.session.audioPath, "C:\\media\\song.wav");
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(StartAudioTest, MidiIsPlayedLikeWaveWhenAMidiDeviceExists) {
    mciScript.waveDevices = 0;
    mciScript.deviceId = 9;
    player.mediaKind = kMidi;
    ASSERT_EQ(StartAudio("x.mid"), 1);
    EXPECT_EQ(describeAll(),
              (Lines{"OPEN 0x202 dev 0", "STATUS 0x102 dev 9 item 1", "PLAY 0x1 dev 9"}));
    EXPECT_EQ(player.session.deviceId, 9);
    EXPECT_EQ(mciScript.midiCountsAsked, 1);
    EXPECT_EQ(mciScript.waveCountsAsked, 0);
}

TEST_F(StartAudioTest, NoOutputDeviceGivesNoRequestAndNoMessage) {
    mciScript.waveDevices = 0;
    player.mediaKind = kWave;
    EXPECT_EQ(StartAudio("a.wav"), 0);
    mciScript.waveDevices = 1;
    mciScript.midiDevices = 0;
    player.mediaKind = kMidi;
    EXPECT_EQ(StartAudio("a.mid"), 0);
    EXPECT_TRUE(mciRequests.empty());
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(StartAudioTest, EmptyPathAndOtherKindsAreRefusedQuietly) {
    player.mediaKind = kWave;
    EXPECT_EQ(StartAudio(""), 0);
    for (MediaKind kind : {kNone, kVideo, kPicture}) {
        player.mediaKind = kind;
        EXPECT_EQ(StartAudio("a.wav"), 0);
    }
    EXPECT_TRUE(mciRequests.empty());
    EXPECT_TRUE(errorBoxes.empty());
    EXPECT_EQ(mciScript.waveCountsAsked, 0);
}

TEST_F(StartAudioTest, OpenFailureShowsFileNotFound) {
    mciScript.openResult = MCIERR_FILE_NOT_FOUND;
    player.mediaKind = kWave;
    EXPECT_EQ(StartAudio("gone.wav"), 0);
    EXPECT_EQ(describeAll(), (Lines{"OPEN 0x202 dev 0"}));
    EXPECT_EQ(errorBoxes, (Lines{"CallWAVE|File not found|0x30"}));
}

TEST_F(StartAudioTest, LongestPathIsOpenedWholeAndALongerOneIsRefused) {
    std::string longest = "C:\\" + std::string(121, 'w') + ".wav";
    ASSERT_EQ(longest.size(), 128u);
    startWave(longest.c_str());
    EXPECT_EQ(mciRequests[0].element, longest);

    mciRequests.clear();
    EXPECT_EQ(StartAudio((longest + "x").c_str()), 0);
    EXPECT_TRUE(mciRequests.empty()); // a cut path would name another file
    EXPECT_EQ(errorBoxes, (Lines{"CallWAVE|File not found|0x30"}));
}

TEST_F(StartAudioTest, FailedLengthQueryLeavesNoLength) {
    player.session.audioStatus.dwReturn = 555; // left over from an earlier answer
    mciScript.statusFailures[MCI_STATUS_LENGTH] = MCIERR_UNSUPPORTED_FUNCTION;
    startWave();
    EXPECT_EQ(player.session.mediaLength, 0u);
}

TEST_F(StartVideoTest, VideoIsShownInTheWindowAboveTheBandAndPlayedWithoutWaiting) {
    mciScript.length = 150;
    startVideo();
    EXPECT_EQ(describeAll(),
              (Lines{"OPEN 0x20202 dev 0", "WINDOW 0x10000 dev 7", "PUT 0x50000 dev 7",
                     "STATUS 0x100 dev 7 item 1", "PLAY 0x0 dev 7"}));
    const MciRequest& open = mciRequests[0];
    EXPECT_EQ(open.record, address(&player.session.videoOpen));
    EXPECT_EQ(open.element, "C:\\media\\film.avi");
    EXPECT_FALSE(open.deviceTypeNamed);
    EXPECT_EQ(open.parent, window);
    EXPECT_EQ(open.style, 0u);
    EXPECT_EQ(mciRequests[1].window, window);
    const RECT& destination = mciRequests[2].rc;
    EXPECT_EQ(destination.left, 0);
    EXPECT_EQ(destination.top, 0);
    EXPECT_EQ(destination.right, 321);
    EXPECT_EQ(destination.bottom, 241); // the client bottom raised by the band
    EXPECT_EQ(mciRequests[3].record, address(&player.session.videoStatus));
    EXPECT_EQ(mciRequests[4].record, address(&player.session.videoPlay));
    EXPECT_EQ(mciRequests[4].from, 0u);
    EXPECT_EQ(mciRequests[4].to, 0u);
    for (const MciRequest& request : mciRequests)
        EXPECT_EQ(request.callback, notifyWindow()) << describe(request);
    EXPECT_EQ(player.session.mediaLength, 150u);
    EXPECT_STREQ(player.session.videoPath, "C:\\media\\film.avi");
}

TEST_F(StartVideoTest, OpenFailureShowsFileNotFound) {
    mciScript.openResult = MCIERR_EXTENSION_NOT_FOUND;
    player.mediaKind = kVideo;
    EXPECT_EQ(StartVideo("C:\\clip.mov"), 0);
    EXPECT_EQ(describeAll(), (Lines{"OPEN 0x20202 dev 0"}));
    EXPECT_EQ(errorBoxes, (Lines{"CallWAVE|File not found|0x30"}));
}

TEST_F(StartVideoTest, EmptyPathAndOtherKindsAreRefusedQuietly) {
    player.mediaKind = kVideo;
    EXPECT_EQ(StartVideo(""), 0);
    player.mediaKind = kWave;
    EXPECT_EQ(StartVideo("a.avi"), 0);
    EXPECT_TRUE(mciRequests.empty());
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(VideoProbe, OpensAsksTheSourceRectangleAndCloses) {
    player.mediaKind = kVideo;
    mciScript.source = {10, 20, 330, 260};
    int width = 0;
    int height = 0;
    ASSERT_TRUE(probeVideoSize("C:\\film.avi", width, height));
    EXPECT_EQ(width, 320);
    EXPECT_EQ(height, 240);
    EXPECT_EQ(describeAll(),
              (Lines{"OPEN 0x20202 dev 0", "WHERE 0x20002 dev 7", "CLOSE 0x2 dev 7"}));
    EXPECT_EQ(mciRequests[0].parent, window);
    EXPECT_EQ(mciRequests[0].element, "C:\\film.avi");
    EXPECT_EQ(mciRequests[1].record, address(&player.session.videoSource));
    EXPECT_EQ(mciRequests[2].record, address(&player.session.generic));
    for (const MciRequest& request : mciRequests)
        EXPECT_EQ(request.callback, notifyWindow()) << describe(request);
    EXPECT_TRUE(mciScript.openDevices.empty());
}

TEST_F(VideoProbe, FailedOpenReturnsQuietly) {
    mciScript.openResult = MCIERR_EXTENSION_NOT_FOUND;
    int width = -5;
    int height = -5;
    EXPECT_FALSE(probeVideoSize("C:\\film.mov", width, height));
    EXPECT_EQ(describeAll(), (Lines{"OPEN 0x20202 dev 0"}));
    EXPECT_EQ(width, -5);
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(EndOfPlayback, PositionEqualToTheLengthStopsAndClosesTheDevice) {
    mciScript.length = 1000;
    startWave();
    std::size_t first = mciRequests.size();
    mciScript.positions = {1000};
    EXPECT_EQ(StopIfFinished(0), 1);
    EXPECT_EQ(since(first),
              (Lines{"STATUS 0x102 dev 7 item 2", "STOP 0x2 dev 7", "CLOSE 0x2 dev 7"}));
    EXPECT_EQ(mciRequests[first].record, address(&player.session.audioStatus));
    EXPECT_EQ(mciRequests[first + 1].record, address(&player.session.generic));
    EXPECT_EQ(mciRequests[first + 2].record, address(&player.session.generic));
    EXPECT_EQ(player.session.mediaPosition, 1000u);
    EXPECT_TRUE(mciScript.openDevices.empty());
}

TEST_F(EndOfPlayback, PositionOneUnitShortPlaysOn) {
    mciScript.length = 1000;
    startWave();
    std::size_t first = mciRequests.size();
    mciScript.positions = {999};
    EXPECT_EQ(StopIfFinished(0), 0);
    EXPECT_EQ(since(first), (Lines{"STATUS 0x102 dev 7 item 2"}));
    EXPECT_EQ(player.session.mediaPosition, 999u);
}

TEST_F(EndOfPlayback, PositionPastTheLengthAlsoEndsIt) {
    mciScript.length = 1000;
    startWave();
    mciScript.positions = {1001};
    EXPECT_EQ(StopIfFinished(0), 1);
}

TEST_F(EndOfPlayback, ForceStopsAndClosesWhereverThePositionStands) {
    startWave();
    std::size_t first = mciRequests.size();
    mciScript.positions = {10};
    EXPECT_EQ(StopIfFinished(1), 1);
    EXPECT_EQ(since(first),
              (Lines{"STATUS 0x102 dev 7 item 2", "STOP 0x2 dev 7", "CLOSE 0x2 dev 7"}));
}

TEST_F(EndOfPlayback, NoLengthEndsAtTheFirstPoll) {
    mciScript.length = 0;
    startWave();
    EXPECT_EQ(StopIfFinished(0), 1);
}

TEST_F(EndOfPlayback, ForcedStopWithoutAnOpenDeviceStillReportsTheEnd) {
    player.mediaKind = kPicture;
    EXPECT_EQ(StopIfFinished(1), 1);
    EXPECT_EQ(describeAll(),
              (Lines{"STATUS 0x102 dev 0 item 2", "STOP 0x2 dev 0", "CLOSE 0x2 dev 0"}));
}

TEST_F(EndOfPlayback, VideoPollsThroughItsOwnStatusRecord) {
    mciScript.length = 20;
    startVideo();
    std::size_t first = mciRequests.size();
    mciScript.positions = {20};
    EXPECT_EQ(StopIfFinished(0), 1);
    EXPECT_EQ(since(first),
              (Lines{"STATUS 0x102 dev 7 item 2", "STOP 0x2 dev 7", "CLOSE 0x2 dev 7"}));
    EXPECT_EQ(mciRequests[first].record, address(&player.session.videoStatus));
}

TEST_F(EndOfPlayback, AdvancingPositionsNeverAskForTheMode) {
    mciScript.length = 20;
    startVideo();
    std::size_t first = mciRequests.size();
    mciScript.positions = {3, 6, 9, 14, 20};
    for (int tick = 0; tick < 4; ++tick)
        EXPECT_EQ(StopIfFinished(0), 0);
    EXPECT_EQ(StopIfFinished(0), 1);
    Lines expected(5, "STATUS 0x102 dev 7 item 2");
    expected.push_back("STOP 0x2 dev 7");
    expected.push_back("CLOSE 0x2 dev 7");
    EXPECT_EQ(since(first), expected);
}

TEST_F(EndOfPlayback, DeviceStoppedShortOfTheLengthEndsWhenThePositionStandsStill) {
    // The AVI player of Wine stops at the last frame, one unit short of the length.
    mciScript.length = 20;
    mciScript.mode = MCI_MODE_STOP;
    startVideo();
    std::size_t first = mciRequests.size();
    mciScript.positions = {12, 19, 19};
    EXPECT_EQ(StopIfFinished(0), 0);
    EXPECT_EQ(StopIfFinished(0), 0);
    EXPECT_EQ(StopIfFinished(0), 1);
    EXPECT_EQ(since(first), (Lines{"STATUS 0x102 dev 7 item 2", "STATUS 0x102 dev 7 item 2",
                                   "STATUS 0x102 dev 7 item 2", "STATUS 0x102 dev 7 item 4",
                                   "STOP 0x2 dev 7", "CLOSE 0x2 dev 7"}));
    EXPECT_EQ(player.session.mediaPosition, 19u);
}

TEST_F(EndOfPlayback, StandingStillAtTheLastUnitWhileTheDevicePlaysGoesOn) {
    mciScript.length = 301;
    startWave();
    std::size_t first = mciRequests.size();
    mciScript.positions = {300, 300, 300};
    EXPECT_EQ(StopIfFinished(0), 0);
    EXPECT_EQ(StopIfFinished(0), 0);
    EXPECT_EQ(StopIfFinished(0), 0);
    EXPECT_EQ(since(first), (Lines{"STATUS 0x102 dev 7 item 2", "STATUS 0x102 dev 7 item 2",
                                   "STATUS 0x102 dev 7 item 4", "STATUS 0x102 dev 7 item 2",
                                   "STATUS 0x102 dev 7 item 4"}));
}

TEST_F(EndOfPlayback, DeviceStoppedBeforeItsLastUnitIsNotTakenForTheEnd) {
    // A resumed video on Wine stays where it was paused; the window stays for a seek.
    mciScript.length = 20;
    mciScript.mode = MCI_MODE_STOP;
    startVideo();
    std::size_t first = mciRequests.size();
    mciScript.positions = {7, 7, 7, 18, 18};
    for (int tick = 0; tick < 5; ++tick)
        EXPECT_EQ(StopIfFinished(0), 0);
    EXPECT_EQ(since(first), Lines(5, "STATUS 0x102 dev 7 item 2"));
}

TEST_F(EndOfPlayback, PausedPlaybackIsNeverTakenForItsEnd) {
    mciScript.length = 20;
    mciScript.mode = MCI_MODE_STOP; // Wine's AVI player stops when paused
    startVideo();
    player.paused = 1;
    PauseMedia();
    std::size_t first = mciRequests.size();
    mciScript.positions = {19, 19, 19};
    for (int tick = 0; tick < 3; ++tick)
        EXPECT_EQ(StopIfFinished(0), 0);
    EXPECT_EQ(since(first), Lines(3, "STATUS 0x102 dev 7 item 2"));
}

TEST_F(EndOfPlayback, FirstPollAfterAPlayRequestNeverAsksForTheMode) {
    mciScript.length = 201;
    mciScript.mode = MCI_MODE_STOP;
    startWave();
    mciScript.positions = {200};
    std::size_t first = mciRequests.size();
    EXPECT_EQ(StopIfFinished(0), 0); // the first poll after the start
    SeekAndPlay(200);
    EXPECT_EQ(StopIfFinished(0), 0);
    ResumeMedia();
    EXPECT_EQ(StopIfFinished(0), 0);
    EXPECT_EQ(since(first), (Lines{"STATUS 0x102 dev 7 item 2", "SEEK 0xa dev 7", "PLAY 0x1 dev 7",
                                   "STATUS 0x102 dev 7 item 2", "RESUME 0x1 dev 7",
                                   "STATUS 0x102 dev 7 item 2"}));
    // Two polls in a row at the last unit: the device is asked, and it has stopped.
    EXPECT_EQ(StopIfFinished(0), 1);
}

TEST_F(EndOfPlayback, FailedModeQueryGoesOn) {
    mciScript.length = 401;
    mciScript.mode = MCI_MODE_STOP;
    mciScript.statusFailures[MCI_STATUS_MODE] = MCIERR_UNSUPPORTED_FUNCTION;
    startWave();
    mciScript.positions = {400, 400};
    EXPECT_EQ(StopIfFinished(0), 0);
    EXPECT_EQ(StopIfFinished(0), 0);
    EXPECT_EQ(mciRequests.back().item, static_cast<DWORD>(MCI_STATUS_MODE));
}

TEST_F(PauseResumeSeek, PauseAndResumeUseTheGenericRecord) {
    startWave();
    std::size_t first = mciRequests.size();
    PauseMedia();
    ResumeMedia();
    EXPECT_EQ(since(first), (Lines{"PAUSE 0x2 dev 7", "RESUME 0x1 dev 7"}));
    EXPECT_EQ(mciRequests[first].record, address(&player.session.generic));
    EXPECT_EQ(mciRequests[first + 1].record, address(&player.session.generic));
    EXPECT_EQ(mciRequests[first + 1].callback, notifyWindow());
}

TEST_F(PauseResumeSeek, ResumedMidiAlsoPlaysOnFromWhereItStands) {
    player.mediaKind = kMidi;
    ASSERT_EQ(StartAudio("a.mid"), 1);
    std::size_t first = mciRequests.size();
    PauseMedia();
    ResumeMedia();
    EXPECT_EQ(since(first), (Lines{"PAUSE 0x2 dev 7", "RESUME 0x1 dev 7", "PLAY 0x1 dev 7"}));
    EXPECT_EQ(mciRequests[first + 2].record, address(&player.session.audioPlay));
    EXPECT_EQ(mciRequests[first + 2].from, 0u);
    EXPECT_EQ(mciRequests[first + 2].to, 0u);
}

TEST_F(PauseResumeSeek, ResumedVideoGetsNoPlayRequest) {
    // Checked here only: the AVI player of Wine treats a pause as a stop and a resume as
    // nothing, so the real device cannot show a resume end to end.
    startVideo();
    std::size_t first = mciRequests.size();
    PauseMedia();
    ResumeMedia();
    EXPECT_EQ(since(first), (Lines{"PAUSE 0x2 dev 7", "RESUME 0x1 dev 7"}));
}

TEST_F(PauseResumeSeek, SeekOfSoundIsFollowedByANotifyingPlay) {
    startWave();
    std::size_t first = mciRequests.size();
    SeekAndPlay(4000000000u);
    EXPECT_EQ(since(first), (Lines{"SEEK 0xa dev 7", "PLAY 0x1 dev 7"}));
    EXPECT_EQ(mciRequests[first].to, 4000000000u);
    EXPECT_EQ(mciRequests[first].record, address(&player.session.seek));
    EXPECT_EQ(mciRequests[first].callback, notifyWindow());
    EXPECT_EQ(mciRequests[first + 1].record, address(&player.session.audioPlay));
    EXPECT_EQ(mciRequests[first + 1].to, 0u);
}

TEST_F(PauseResumeSeek, SeekOfVideoIsFollowedByAPlainPlay) {
    startVideo();
    std::size_t first = mciRequests.size();
    SeekAndPlay(12);
    EXPECT_EQ(since(first), (Lines{"SEEK 0xa dev 7", "PLAY 0x0 dev 7"}));
    EXPECT_EQ(mciRequests[first].to, 12u);
    EXPECT_EQ(mciRequests[first + 1].record, address(&player.session.videoPlay));
}
