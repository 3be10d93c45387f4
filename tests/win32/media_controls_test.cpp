// Pause, resume and seek: the MCI requests of the band's buttons and track.
#include "media_session_fixture.h"

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
