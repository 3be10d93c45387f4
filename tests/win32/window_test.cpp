// The player's real window, driven with messages, with the MCI recorder in place of winmm.
#include "drawkit.h"
#include "media_recorder.h"
#include "registry_sandbox.h"
#include "player/startup.h"
#include "player/state.h"
#include "player/window.h"
#include "text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

constexpr COLORREF kWhitePixel = RGB(255, 255, 255);
constexpr COLORREF kBlackPixel = RGB(0, 0, 0);
constexpr COLORREF kBluePixel = RGB(0, 0, 255);
constexpr COLORREF kSilverPixel = RGB(192, 192, 192);

LPARAM at(int x, int y) {
    return MAKELPARAM(x, y);
}

// A 16-colour picture file of the given size, every pixel black.
std::string writePicture(int width, int height) {
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    char path[MAX_PATH];
    std::snprintf(path, sizeof path, "%swindow_test_%lu.bmp", folder,
                  static_cast<unsigned long>(GetCurrentProcessId()));
    int stride = (width * 4 + 31) / 32 * 4;
    std::vector<unsigned char> bytes(118 + static_cast<std::size_t>(stride) * height, 0);
    auto put32 = [&](std::size_t offset, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes[offset + i] = static_cast<unsigned char>(value >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, static_cast<std::uint32_t>(bytes.size()));
    put32(10, 118);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    bytes[26] = 1;
    bytes[28] = 4;
    put32(54 + 15 * 4, 0x00FFFFFF); // colour 15 white; 0 to 14 stay black
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return path;
}

class PlayerWindow : public ::testing::Test {
  protected:
    RegistrySandbox sandbox;
    MediaRecorderScope recorder;
    HWND window = nullptr;
    std::string picturePath;

    static void SetUpTestSuite() {
        WNDCLASSA windowClass = {};
        windowClass.style = CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = PlayerWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = kPlayerClass;
        RegisterClassA(&windowClass);
    }

    void SetUp() override {
        ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
        ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
        ASSERT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);
    }

    void TearDown() override {
        if (window != nullptr && IsWindow(window))
            DestroyWindow(window);
        dropQuit();
        if (!picturePath.empty())
            DeleteFileA(picturePath.c_str());
    }

    // What start-up does before the message loop, for one path; the window is shown.
    HWND open(const char* path) {
        dropQuit();
        player = PlayerState{};
        player.instance = GetModuleHandleA(nullptr);
        copyText(player.mediaPath, sizeof player.mediaPath, path);
        player.mediaKind = classifyPath(player.mediaPath);
        setStartGeometry();
        loadBarValues();
        if (inBarMode()) {
            player.windowWidth = player.barWidth;
            player.windowHeight = 20;
            player.frameWidth = 0;
            player.frameHeight = 0;
        }
        DWORD style = inBarMode() ? WS_POPUP : WS_POPUP | WS_CAPTION | WS_SYSMENU;
        window = CreateWindowExA(0, kPlayerClass, "Plumora", style, player.barX, player.barY,
                                 player.windowWidth, player.windowHeight, nullptr, nullptr,
                                 player.instance, nullptr);
        if (window != nullptr) {
            ShowWindow(window, SW_SHOWNORMAL);
            UpdateWindow(window);
        }
        return window;
    }

    // A leftover WM_QUIT of an earlier window would end the next modal loop at once.
    static void dropQuit() {
        MSG message;
        while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    static bool quitPosted(WPARAM& code) {
        MSG message;
        if (!PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
            return false;
        code = message.wParam;
        return true;
    }

    void tick() { SendMessageA(window, WM_TIMER, 1, 0); }
    void click(int x, int y) { SendMessageA(window, WM_LBUTTONUP, 0, at(x, y)); }

    RECT place() const {
        RECT rect = {};
        GetWindowRect(window, &rect);
        return rect;
    }

    RECT client() const {
        RECT rect = {};
        GetClientRect(window, &rect);
        return rect;
    }

    static std::string stored(const char* name) {
        std::string text;
        return registryReadText(kPlayerKey, name, text) ? text : "(missing)";
    }

    static void save(const char* name, const char* text) {
        registryWriteText(kPlayerKey, name, text);
    }

    Lines since(std::size_t first) const { return describeFrom(first); }

    COLORREF pixel(int x, int y) const {
        HDC dc = GetDC(window);
        COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(window, dc);
        return colour;
    }

    // Whether the window shows the named bitmap of the player at (x, y), pixel for pixel.
    ::testing::AssertionResult showsBitmap(const char* name, int x, int y) const {
        HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), name);
        if (bitmap == nullptr)
            return ::testing::AssertionFailure() << "no bitmap " << name;
        HDC dc = GetDC(window);
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        int differences = 0;
        for (int row = 0; row < 20; ++row)
            for (int column = 0; column < 20; ++column)
                differences +=
                    GetPixel(memory, column, row) != GetPixel(dc, x + column, y + row) ? 1 : 0;
        SelectObject(memory, previous);
        DeleteDC(memory);
        DeleteObject(bitmap);
        ReleaseDC(window, dc);
        if (differences == 0)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << differences << " pixels differ from " << name;
    }
};

using WindowPlace = PlayerWindow;
using WindowTick = PlayerWindow;
using WindowClick = PlayerWindow;
using WindowClose = PlayerWindow;
using WindowCreation = PlayerWindow;

} // namespace

TEST_F(WindowCreation, SoundStartsPlayingAndTheTimerRuns) {
    ASSERT_NE(open("C:\\media\\song.wav"), nullptr);
    EXPECT_EQ(player.mainWindow, window);
    EXPECT_EQ(describeAll(),
              (Lines{"OPEN 0x202 dev 0", "STATUS 0x102 dev 7 item 1", "PLAY 0x1 dev 7"}));
    EXPECT_EQ(mciRequests[0].element, "C:\\media\\song.wav");
    EXPECT_EQ(mciRequests[0].callback, reinterpret_cast<DWORD_PTR>(window));
    // The timer is set: killing it succeeds.
    EXPECT_TRUE(KillTimer(window, 1));
}

TEST_F(WindowCreation, WindowIsNamedAfterTheFile) {
    ASSERT_NE(open("C:\\media\\song.wav"), nullptr);
    char title[64] = "";
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "song.wav");
    DestroyWindow(window);
    ASSERT_NE(open("D:song.wav"), nullptr);
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "D:song.wav");
}

TEST_F(WindowCreation, NoOutputDeviceRefusesTheWindowWithoutAMessage) {
    mciScript.waveDevices = 0;
    EXPECT_EQ(open("C:\\song.wav"), nullptr);
    EXPECT_TRUE(mciRequests.empty());
    EXPECT_TRUE(errorBoxes.empty());
    EXPECT_EQ(drawingKit.pen[0], nullptr); // the kit made for it is gone again
    EXPECT_EQ(drawingKit.brush[kWhite], nullptr);
}

TEST_F(WindowCreation, MidiWithoutAMidiDeviceRefusesTheWindowWithoutAMessage) {
    mciScript.midiDevices = 0;
    EXPECT_EQ(open("C:\\tune.mid"), nullptr);
    EXPECT_TRUE(mciRequests.empty());
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(WindowCreation, MediaThatDoesNotOpenRefusesTheWindowWithFileNotFound) {
    mciScript.openResult = MCIERR_EXTENSION_NOT_FOUND;
    EXPECT_EQ(open("C:\\clip.mov"), nullptr);
    EXPECT_EQ(errorBoxes, (Lines{"CallWAVE|File not found|0x30"}));
    // The quiet size probe, then the start that reports.
    EXPECT_EQ(describeAll(), (Lines{"OPEN 0x20202 dev 0", "OPEN 0x20202 dev 0"}));
}

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

TEST_F(WindowPlace, SavedPlaceIsUsedEvenOffTheScreen) {
    save("Cd1", "-500");
    save("Ld1", "2000");
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    EXPECT_EQ(place().left, -500);
    EXPECT_EQ(place().top, 2000);
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

TEST(PlayerRun, SoundPlaysToItsEndOnTheRealTimerAndTheProgramEnds) {
    RegistrySandbox sandbox;
    MediaRecorderScope recorder;
    mciScript.length = 3;
    mciScript.positions = {1, 2, 3};
    player = PlayerState{};
    DWORD started = GetTickCount();
    EXPECT_EQ(runPlayer(GetModuleHandleA(nullptr), nullptr, " C:\\media\\song.wav ", SW_SHOWNORMAL),
              0);
    DWORD elapsed = GetTickCount() - started;
    EXPECT_GE(elapsed, 1400u); // three ticks of 500 ms
    EXPECT_LT(elapsed, 30000u);
    Lines requests = describeAll();
    ASSERT_GE(requests.size(), 8u);
    EXPECT_EQ(requests[0], "OPEN 0x202 dev 0");
    EXPECT_EQ(requests[requests.size() - 4], "CLOSE 0x2 dev 7");
    std::string text;
    EXPECT_TRUE(registryReadText(kPlayerKey, "Cd1", text));
    EXPECT_EQ(text, "445");
}
