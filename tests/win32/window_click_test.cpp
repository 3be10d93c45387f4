// Clicks on the control band: pause and resume, stop, and seeks by the track.
#include "player_window.h"

#include "player/state.h"

namespace {

using WindowClick = PlayerWindow;

} // namespace

TEST_F(WindowClick, PlayPauseZoneStartsAtColumn109) {
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    std::size_t first = mciRequests.size();
    click(109, 128);
    EXPECT_EQ(player.paused, 1);
    click(127, 147);
    EXPECT_EQ(player.paused, 0);
    EXPECT_EQ(since(first), (Lines{"PAUSE 0x2 dev 7", "RESUME 0x1 dev 7"}));
}

TEST_F(WindowClick, Column108StopsAndCloses) {
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    std::size_t first = mciRequests.size();
    mciScript.positions = {10};
    click(108, 138);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(since(first),
              (Lines{"STATUS 0x102 dev 7 item 2", "STOP 0x2 dev 7", "CLOSE 0x2 dev 7"}));
    EXPECT_EQ(stored("Cd1"), "445");
}

TEST_F(WindowClick, Column89StopsAndCloses) {
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    click(89, 147);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(WindowClick, Column88SeeksPastTheEndOfTheTrack) {
    mciScript.length = 1000;
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    std::size_t first = mciRequests.size();
    click(88, 138);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(since(first), (Lines{"SEEK 0xa dev 7", "PLAY 0x1 dev 7"}));
    EXPECT_EQ(mciRequests[first].to, 1023u); // 1000 * 88 / 86
}

TEST_F(WindowClick, TrackClickSeeksToItsShareOfTheLength) {
    mciScript.length = 1000;
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    std::size_t first = mciRequests.size();
    click(43, 130);
    click(0, 147);
    ASSERT_EQ(since(first),
              (Lines{"SEEK 0xa dev 7", "PLAY 0x1 dev 7", "SEEK 0xa dev 7", "PLAY 0x1 dev 7"}));
    EXPECT_EQ(mciRequests[first].to, 500u);
    EXPECT_EQ(mciRequests[first + 2].to, 0u);
}

TEST_F(WindowClick, LongMediaSeekWithoutWrappingAround) {
    mciScript.length = 4000000000u;
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    std::size_t first = mciRequests.size();
    click(43, 138);
    ASSERT_EQ(since(first).size(), 2u);
    EXPECT_EQ(mciRequests[first].to, 2000000000u);
}

TEST_F(WindowClick, ClicksAboveTheBandDoNothing) {
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    std::size_t first = mciRequests.size();
    click(118, 127);
    click(98, 0);
    click(40, 100);
    EXPECT_TRUE(since(first).empty());
    EXPECT_EQ(player.paused, 0);
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(WindowClick, TrackClickWhilePausedDoesNothing) {
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    click(118, 138);
    std::size_t first = mciRequests.size();
    click(43, 138);
    EXPECT_TRUE(since(first).empty());
    EXPECT_EQ(player.paused, 1);
}

TEST_F(WindowClick, MidiResumePlaysOn) {
    ASSERT_NE(open("C:\\tune.mid"), nullptr);
    std::size_t first = mciRequests.size();
    click(118, 138);
    click(118, 138);
    EXPECT_EQ(since(first), (Lines{"PAUSE 0x2 dev 7", "RESUME 0x1 dev 7", "PLAY 0x1 dev 7"}));
}

TEST_F(WindowClick, VideoSeekRepaintsTheWindowWhereItStands) {
    mciScript.length = 200;
    ASSERT_NE(open("C:\\film.avi"), nullptr);
    RECT before = place();
    std::size_t first = mciRequests.size();
    click(139, 250); // track span 279: 200 * 139 / 279 = 99
    EXPECT_EQ(since(first), (Lines{"SEEK 0xa dev 7", "PLAY 0x0 dev 7"}));
    EXPECT_EQ(mciRequests[first].to, 99u);
    RECT after = place();
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(after.bottom, before.bottom);
}

TEST_F(WindowClick, PictureWindowIgnoresClicks) {
    picturePath = writePicture(200, 100);
    ASSERT_NE(open(picturePath.c_str()), nullptr);
    click(190, 95);
    click(150, 95);
    click(10, 95);
    EXPECT_TRUE(mciRequests.empty());
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(player.paused, 0);
}

TEST_F(WindowClick, BarWithoutAUsableTrackIgnoresTrackClicks) {
    save("Quennet", "1");
    save("BLcx", "42"); // trackRight 2: no column to divide by
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    std::size_t first = mciRequests.size();
    click(0, 10);
    click(2, 10);
    EXPECT_TRUE(since(first).empty());
    click(3, 10); // the STOP button still works
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(WindowClick, BarNarrowerThanItsButtonsHasOnlyButtons) {
    save("Quennet", "1");
    save("BLcx", "30"); // STOP from column -10, PLAY/PAUSE from 10
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    mciScript.positions = {500};
    tick();
    ASSERT_TRUE(IsWindow(window));
    click(11, 5);
    EXPECT_EQ(player.paused, 1);
    click(0, 5);
    EXPECT_FALSE(IsWindow(window));
}
