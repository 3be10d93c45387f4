// The tick: the control band and buttons it draws, and the end of playback it finds.
#include "player_window.h"

namespace {

using WindowTick = PlayerWindow;

} // namespace

TEST_F(WindowTick, BandAtHalfTheLengthIsBlueTo43AndSilverFrom44) {
    mciScript.length = 1000;
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    mciScript.positions = {500};
    tick();
    ASSERT_TRUE(IsWindow(window));
    for (int x = 1; x <= 43; ++x)
        EXPECT_EQ(pixel(x, 138), kBluePixel) << x;
    for (int x = 44; x <= 86; ++x)
        EXPECT_EQ(pixel(x, 138), kSilverPixel) << x;
    for (int y = 129; y <= 146; ++y) {
        EXPECT_EQ(pixel(1, y), kBluePixel) << y;
        EXPECT_EQ(pixel(86, y), kSilverPixel) << y;
    }
}

TEST_F(WindowTick, TrackFrameIsLightTopAndLeftDarkBottomAndRight) {
    mciScript.length = 1000;
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    mciScript.positions = {500};
    tick();
    for (int x = 0; x <= 87; ++x) {
        EXPECT_EQ(pixel(x, 128), kWhitePixel) << x;
        EXPECT_EQ(pixel(x, 147), kBlackPixel) << x;
    }
    for (int y = 129; y <= 146; ++y) {
        EXPECT_EQ(pixel(0, y), kWhitePixel) << y;
        EXPECT_EQ(pixel(87, y), kBlackPixel) << y;
    }
}

TEST_F(WindowTick, ButtonsShowStopAndPauseWhilePlayingAndPlayWhilePaused) {
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    mciScript.positions = {100, 200};
    tick();
    EXPECT_TRUE(showsBitmap("STOP", 88, 128));
    EXPECT_TRUE(showsBitmap("PAUSE", 108, 128));
    click(118, 138);
    EXPECT_TRUE(showsBitmap("PAUSE", 108, 128)); // the face waits for the tick
    tick();
    EXPECT_TRUE(showsBitmap("PLAY", 108, 128));
    EXPECT_TRUE(showsBitmap("STOP", 88, 128));
}

TEST_F(WindowTick, BackgroundPictureFillsTheAreaAboveTheBand) {
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    HBITMAP wave = LoadBitmapA(GetModuleHandleA(nullptr), "WAVE");
    ASSERT_NE(wave, nullptr);
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, wave);
    int differences = 0;
    for (int y = 0; y < 128; y += 3)
        for (int x = 0; x < 128; x += 3)
            differences += GetPixel(memory, x, y) != GetPixel(dc, x, y) ? 1 : 0;
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(wave);
    ReleaseDC(window, dc);
    EXPECT_EQ(differences, 0);
    EXPECT_EQ(pixel(50, 138), kWhitePixel); // no band before the first tick
}

TEST_F(WindowTick, BarDrawsItsBandFromRowZero) {
    save("Quennet", "1");
    save("BLcx", "240");
    mciScript.length = 100;
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    mciScript.positions = {50};
    tick();
    // trackRight 200, split 198 * 50 / 100 + 1 = 100.
    EXPECT_EQ(pixel(99, 10), kBluePixel);
    EXPECT_EQ(pixel(100, 10), kSilverPixel);
    EXPECT_EQ(pixel(50, 0), kWhitePixel);
    EXPECT_EQ(pixel(50, 19), kBlackPixel);
    EXPECT_TRUE(showsBitmap("STOP", 200, 0));
    EXPECT_TRUE(showsBitmap("PAUSE", 220, 0));
}

TEST_F(WindowTick, EndOfPlaybackClosesTheWindowAndSavesItsPlace) {
    mciScript.length = 1000;
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    std::size_t first = mciRequests.size();
    mciScript.positions = {999, 1000};
    tick();
    EXPECT_TRUE(IsWindow(window)); // one unit short plays on
    tick();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(since(first),
              (Lines{"STATUS 0x102 dev 7 item 2", "STATUS 0x102 dev 7 item 2", "STOP 0x2 dev 7",
                     "CLOSE 0x2 dev 7",
                     // the close stops again; the device is gone and nothing answers
                     "STATUS 0x102 dev 7 item 2", "STOP 0x2 dev 7", "CLOSE 0x2 dev 7"}));
    EXPECT_EQ(stored("Cd1"), "445");
    EXPECT_EQ(stored("Ld1"), "298");
    WPARAM code = 99;
    ASSERT_TRUE(quitPosted(code));
    EXPECT_EQ(code, 0u);
}

TEST_F(WindowTick, NoLengthClosesTheWindowAtTheFirstTick) {
    mciScript.length = 0;
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    tick();
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(WindowTick, VideoStoppedShortOfItsLengthClosesOnceThePositionStandsStill) {
    mciScript.length = 20;
    mciScript.mode = MCI_MODE_STOP;
    ASSERT_NE(open("C:\\film.avi"), nullptr);
    mciScript.positions = {10, 19, 19};
    tick();
    tick();
    EXPECT_TRUE(IsWindow(window));
    tick();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(stored("Cd3"), "349");
}

TEST_F(WindowTick, PictureTicksAskNothing) {
    picturePath = writePicture(20, 10);
    ASSERT_NE(open(picturePath.c_str()), nullptr);
    tick();
    tick();
    EXPECT_TRUE(mciRequests.empty());
    EXPECT_TRUE(IsWindow(window));
}
