// The end of playback: when a poll stops and closes the device, and when it plays on.
#include "media_session_fixture.h"

TEST_F(EndOfPlayback, PositionEqualToTheLengthStopsAndClosesTheDevice) {
    mciScript.length = 1000;
    startWave();
    std::size_t first = mciRequests.size();
    mciScript.positions = {1000};
    EXPECT_TRUE(StopIfFinished(false));
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
    EXPECT_FALSE(StopIfFinished(false));
    EXPECT_EQ(since(first), (Lines{"STATUS 0x102 dev 7 item 2"}));
    EXPECT_EQ(player.session.mediaPosition, 999u);
}

TEST_F(EndOfPlayback, PositionPastTheLengthAlsoEndsIt) {
    mciScript.length = 1000;
    startWave();
    mciScript.positions = {1001};
    EXPECT_TRUE(StopIfFinished(false));
}

TEST_F(EndOfPlayback, ForceStopsAndClosesWhereverThePositionStands) {
    startWave();
    std::size_t first = mciRequests.size();
    mciScript.positions = {10};
    EXPECT_TRUE(StopIfFinished(true));
    EXPECT_EQ(since(first),
              (Lines{"STATUS 0x102 dev 7 item 2", "STOP 0x2 dev 7", "CLOSE 0x2 dev 7"}));
}

TEST_F(EndOfPlayback, NoLengthEndsAtTheFirstPoll) {
    mciScript.length = 0;
    startWave();
    EXPECT_TRUE(StopIfFinished(false));
}

TEST_F(EndOfPlayback, ForcedStopWithoutAnOpenDeviceStillReportsTheEnd) {
    player.mediaKind = kPicture;
    EXPECT_TRUE(StopIfFinished(true));
    EXPECT_EQ(describeAll(),
              (Lines{"STATUS 0x102 dev 0 item 2", "STOP 0x2 dev 0", "CLOSE 0x2 dev 0"}));
}

TEST_F(EndOfPlayback, VideoPollsThroughItsOwnStatusRecord) {
    mciScript.length = 20;
    startVideo();
    std::size_t first = mciRequests.size();
    mciScript.positions = {20};
    EXPECT_TRUE(StopIfFinished(false));
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
        EXPECT_FALSE(StopIfFinished(false));
    EXPECT_TRUE(StopIfFinished(false));
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
    EXPECT_FALSE(StopIfFinished(false));
    EXPECT_FALSE(StopIfFinished(false));
    EXPECT_TRUE(StopIfFinished(false));
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
    EXPECT_FALSE(StopIfFinished(false));
    EXPECT_FALSE(StopIfFinished(false));
    EXPECT_FALSE(StopIfFinished(false));
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
        EXPECT_FALSE(StopIfFinished(false));
    EXPECT_EQ(since(first), Lines(5, "STATUS 0x102 dev 7 item 2"));
}

TEST_F(EndOfPlayback, PausedPlaybackIsNeverTakenForItsEnd) {
    mciScript.length = 20;
    mciScript.mode = MCI_MODE_STOP; // Wine's AVI player stops when paused
    startVideo();
    player.paused = true;
    PauseMedia();
    std::size_t first = mciRequests.size();
    mciScript.positions = {19, 19, 19};
    for (int tick = 0; tick < 3; ++tick)
        EXPECT_FALSE(StopIfFinished(false));
    EXPECT_EQ(since(first), Lines(3, "STATUS 0x102 dev 7 item 2"));
}

TEST_F(EndOfPlayback, FirstPollAfterAPlayRequestNeverAsksForTheMode) {
    mciScript.length = 201;
    mciScript.mode = MCI_MODE_STOP;
    startWave();
    mciScript.positions = {200};
    std::size_t first = mciRequests.size();
    EXPECT_FALSE(StopIfFinished(false)); // the first poll after the start
    SeekAndPlay(200);
    EXPECT_FALSE(StopIfFinished(false));
    ResumeMedia();
    EXPECT_FALSE(StopIfFinished(false));
    EXPECT_EQ(since(first), (Lines{"STATUS 0x102 dev 7 item 2", "SEEK 0xa dev 7", "PLAY 0x1 dev 7",
                                   "STATUS 0x102 dev 7 item 2", "RESUME 0x1 dev 7",
                                   "STATUS 0x102 dev 7 item 2"}));
    // Two polls in a row at the last unit: the device is asked, and it has stopped.
    EXPECT_TRUE(StopIfFinished(false));
}

TEST_F(EndOfPlayback, FailedModeQueryGoesOn) {
    mciScript.length = 401;
    mciScript.mode = MCI_MODE_STOP;
    mciScript.statusFailures[MCI_STATUS_MODE] = MCIERR_UNSUPPORTED_FUNCTION;
    startWave();
    mciScript.positions = {400, 400};
    EXPECT_FALSE(StopIfFinished(false));
    EXPECT_FALSE(StopIfFinished(false));
    EXPECT_EQ(mciRequests.back().item, static_cast<DWORD>(MCI_STATUS_MODE));
}
