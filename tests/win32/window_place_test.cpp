// Where the player window stands and how big it is for each kind, and the place it saves
// when it closes.
#include "player_window.h"

#include "drawkit.h"
#include "monitor_layout.h"
#include "player/state.h"

#include <string>

namespace {

using WindowPlace = PlayerWindow;
using WindowClose = PlayerWindow;

} // namespace

TEST_F(WindowPlace, SoundWindowIsCentredWithA128By148ClientArea) {
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    RECT outer = place();
    EXPECT_EQ(outer.left, 445); // 512 - 134 / 2
    EXPECT_EQ(outer.top, 298);  // 384 - 173 / 2, rounded toward zero
    EXPECT_EQ(outer.right - outer.left, 134);
    EXPECT_EQ(outer.bottom - outer.top, 173);
    EXPECT_EQ(client().right, 128);
    EXPECT_EQ(client().bottom, 148);
}

TEST_F(WindowPlace, VideoWindowTakesTheFramesPlusOnePixelAndTheBand) {
    mciScript.source = {0, 0, 320, 240};
    ASSERT_NE(open("C:\\film.avi"), nullptr);
    RECT outer = place();
    EXPECT_EQ(outer.right - outer.left, 327);
    EXPECT_EQ(outer.bottom - outer.top, 286); // 240 + 6 + 19 + 1 + 20
    EXPECT_EQ(outer.left, 349);
    EXPECT_EQ(outer.top, 241);
    EXPECT_EQ(client().right, 321);
    EXPECT_EQ(client().bottom, 261);
    EXPECT_EQ(describeAll(),
              (Lines{"OPEN 0x20202 dev 0", "WHERE 0x20002 dev 7", "CLOSE 0x2 dev 7",
                     "OPEN 0x20202 dev 0", "WINDOW 0x10000 dev 7", "PUT 0x50000 dev 7",
                     "STATUS 0x100 dev 7 item 1", "PLAY 0x0 dev 7"}));
    const RECT& destination = mciRequests[5].rc;
    EXPECT_EQ(destination.right, 321);
    EXPECT_EQ(destination.bottom, 241);
}

TEST_F(WindowPlace, VideoWhoseProbeFailsKeepsItsStartPlaceAndSize) {
    mciScript.openResults = {MCIERR_DEVICE_NOT_READY};
    save("BLx", "30");
    save("BLy", "40");
    ASSERT_NE(open("C:\\film.avi"), nullptr);
    RECT outer = place();
    EXPECT_EQ(outer.left, 30);
    EXPECT_EQ(outer.top, 40);
    EXPECT_EQ(outer.right - outer.left, 166);
    EXPECT_EQ(outer.bottom - outer.top, 145); // 120 + 6 + 19, no band
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(WindowPlace, PictureWindowIsThePictureWithoutABand) {
    picturePath = writePicture(200, 100);
    ASSERT_NE(open(picturePath.c_str()), nullptr);
    RECT outer = place();
    EXPECT_EQ(outer.right - outer.left, 206);
    EXPECT_EQ(outer.bottom - outer.top, 125);
    EXPECT_EQ(outer.left, 409);
    EXPECT_EQ(outer.top, 322);
    EXPECT_TRUE(mciRequests.empty());
}

TEST_F(WindowPlace, SavedPlaceWhollyOffTheScreenIsCentredAndLeftStored) {
    save("Cd1", "-500");
    save("Ld1", "2000");
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    EXPECT_EQ(place().left, 445);
    EXPECT_EQ(place().top, 298);
    EXPECT_EQ(stored("Cd1"), "-500");
    EXPECT_EQ(stored("Ld1"), "2000");
}

// Without the system's monitor lookup (Windows 95, NT 4.0) the primary screen is the only
// monitor: a place sharing one pixel with it is kept, any other is centred for the run.
TEST_F(WindowPlace, WithoutMonitorLookupOnlyThePrimaryScreenCounts) {
    MonitorLookupScope singleScreen(nullptr);
    struct Case {
        const char* left;
        const char* top;
        bool kept;
    };
    // The sound window is 134 by 173; the screen 1024 by 768.
    for (Case c : {Case{"-133", "-172", true}, Case{"1023", "767", true}, Case{"-134", "10", false},
                   Case{"10", "-173", false}, Case{"1024", "10", false}, Case{"10", "768", false},
                   Case{"-1000", "-150", false}}) {
        save("Cd1", c.left);
        save("Ld1", c.top);
        ASSERT_NE(open("C:\\song.wav"), nullptr);
        std::string where = std::string(c.left) + "," + c.top;
        EXPECT_EQ(place().left, c.kept ? std::stoi(c.left) : 445) << where;
        EXPECT_EQ(place().top, c.kept ? std::stoi(c.top) : 298) << where;
        EXPECT_EQ(stored("Cd1"), c.left) << where;
        DestroyWindow(window);
    }
}

TEST_F(WindowPlace, EachAxisSavedAsMinusOneIsCentredOnItsOwn) {
    save("Cd1", "-1");
    save("Ld1", "40.9");
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    EXPECT_EQ(place().left, 445);
    EXPECT_EQ(place().top, 40);
    DestroyWindow(window);
    save("Cd1", "12");
    save("Ld1", "-1");
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    EXPECT_EQ(place().left, 12);
    EXPECT_EQ(place().top, 298);
}

TEST_F(WindowPlace, EachKindReadsOnlyItsOwnPlace) {
    save("Cd3", "10");
    save("Ld3", "10");
    save("Cd2", "20");
    save("Ld2", "20");
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    EXPECT_EQ(place().left, 445);
    EXPECT_EQ(place().top, 298);
}

TEST_F(WindowPlace, BarIsACaptionlessStripAtTheBarPlace) {
    save("Quennet", "1");
    save("BLx", "30");
    save("BLy", "40");
    save("BLcx", "300");
    save("Cd1", "5"); // a bar keeps the bar place
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    RECT outer = place();
    EXPECT_EQ(outer.left, 30);
    EXPECT_EQ(outer.top, 40);
    EXPECT_EQ(outer.right - outer.left, 300);
    EXPECT_EQ(outer.bottom - outer.top, 20);
    EXPECT_EQ(client().right, 300);
    EXPECT_EQ(client().bottom, 20);
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & WS_CAPTION, 0);
}

TEST_F(WindowPlace, BarModeNeverAppliesToVideo) {
    save("Quennet", "1");
    ASSERT_NE(open("C:\\film.avi"), nullptr);
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(place().right - place().left, 327);
}

TEST_F(WindowClose, CloseStopsTheDeviceAndSavesThePlaceOfItsKind) {
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    MoveWindow(window, 10, 20, 134, 173, FALSE);
    std::size_t first = mciRequests.size();
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(since(first),
              (Lines{"STATUS 0x102 dev 7 item 2", "STOP 0x2 dev 7", "CLOSE 0x2 dev 7"}));
    EXPECT_EQ(stored("Cd1"), "10");
    EXPECT_EQ(stored("Ld1"), "20");
    for (const char* other : {"Cd2", "Ld2", "Cd3", "Ld3", "Cd4", "Ld4"})
        EXPECT_EQ(stored(other), "(missing)") << other;
}

TEST_F(WindowClose, SessionEndSavesThePlaceOnceAndTheCloseDoesNotAgain) {
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    MoveWindow(window, 10, 20, 134, 173, FALSE);
    SendMessageA(window, WM_ENDSESSION, FALSE, 0); // the session goes on
    EXPECT_EQ(stored("Cd1"), "(missing)");
    SendMessageA(window, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(stored("Cd1") + " " + stored("Ld1"), "10 20");
    MoveWindow(window, 30, 40, 134, 173, FALSE);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(stored("Cd1") + " " + stored("Ld1"), "10 20");
}

TEST_F(WindowPlace, VideoFramesNoWindowCanHoldLeaveTheStartSize) {
    const RECT sources[] = {
        {0, 0, 40000, 240}, {0, 0, 320, 32768}, {0, 10, 320, 5}, {-2147483647, 0, 2147483647, 240}};
    for (const RECT& source : sources) {
        mciScript.source = source;
        ASSERT_NE(open("C:\\film.avi"), nullptr);
        RECT outer = place();
        EXPECT_EQ(outer.right - outer.left, 166) << source.right; // 160 + 6
        EXPECT_EQ(outer.bottom - outer.top, 165) << source.right; // 120 + 6 + 19 + 20
    }
}

TEST_F(WindowClose, EachKindKeepsItsOwnPlace) {
    ASSERT_NE(open("C:\\film.avi"), nullptr);
    MoveWindow(window, 10, 10, 327, 286, FALSE);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(stored("Cd3"), "10");
    EXPECT_EQ(stored("Ld3"), "10");
    EXPECT_EQ(stored("Cd1"), "(missing)");
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    EXPECT_EQ(place().left, 445);
    EXPECT_EQ(place().top, 298);
    MoveWindow(window, 70, 80, 134, 173, FALSE);
    SendMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_NE(open(writePicture(20, 10).c_str()), nullptr);
    picturePath = player.mediaPath;
    MoveWindow(window, 90, 95, 26, 35, FALSE);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(stored("Cd4"), "90");
    EXPECT_EQ(stored("Ld4"), "95");
    EXPECT_EQ(stored("Cd1"), "70");
    EXPECT_EQ(stored("Cd3"), "10");
}

TEST_F(WindowClose, WindowClosedAtMinusOneIsCentredNextTime) {
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    MoveWindow(window, -1, 50, 134, 173, FALSE);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(stored("Cd1"), "-1");
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    EXPECT_EQ(place().left, 445);
    EXPECT_EQ(place().top, 50);
}

TEST_F(WindowClose, BarSavesItsPlaceToo) {
    save("Quennet", "1");
    save("BLx", "30");
    save("BLy", "40");
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(stored("Cd1"), "30");
    EXPECT_EQ(stored("Ld1"), "40");
    EXPECT_EQ(stored("BLx"), "30");
}

TEST_F(WindowClose, DestructionDeletesTheKitAndEndsTheLoop) {
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    EXPECT_NE(drawingKit.pen[kBlue], nullptr);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(drawingKit.pen[kBlue], nullptr);
    WPARAM code = 99;
    ASSERT_TRUE(quitPosted(code));
    EXPECT_EQ(code, 0u);
}
