// Opening a session: the MCI requests that start sound and video, and those of the size probe.
#include "media_session_fixture.h"

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
    std::string longest = "C:\\" + std::string(kPathArea - 8, 'w') + ".wav";
    ASSERT_EQ(longest.size(), kPathArea - 1u);
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

// MCI's devices read their files through calls that hold 128 bytes: a longer path reaches
// them in its short form; one with no short form (a missing file) goes as it is, never cut.
TEST_F(StartAudioTest, PathPast128BytesIsOpenedInItsShortForm) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    std::string song = folder + std::string(130, 's') + ".wav";
    CloseHandle(CreateFileA(song.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    char shortForm[kPathArea] = "";
    GetShortPathNameA(song.c_str(), shortForm, kPathArea);
    std::string missing = song + ".wav";
    startWave(song.c_str());
    startWave(missing.c_str());
    DeleteFileA(song.c_str());
    EXPECT_EQ(mciRequests[0].element, shortForm);
    EXPECT_LE(mciRequests[0].element.size(), 128u);
    EXPECT_EQ(mciRequests[3].element, missing);
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
