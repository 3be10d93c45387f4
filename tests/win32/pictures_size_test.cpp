#include "pictures_support.h"

#include "monitor_layout.h"
#include "player/bmpview.h"
#include "player/placement.h"
#include "player/geometry.h"
#include "player/state.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

using testbmp::Bytes;
using testbmp::Picture;

namespace {

LRESULT CALLBACK plainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// A hidden window with the player's frame and start size, for a picture.
class PictureWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        player = {};
        player.instance = GetModuleHandleA(nullptr);
        player.mediaKind = kPicture;
        setStartGeometry();
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = plainWindowProc;
        windowClass.hInstance = player.instance;
        windowClass.lpszClassName = "PICTURESIZETEST";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "PICTURESIZETEST", "", WS_POPUP | WS_CAPTION | WS_SYSMENU, 5, 7,
                                 player.windowWidth, player.windowHeight, nullptr, nullptr,
                                 player.instance, nullptr);
        ASSERT_NE(window, nullptr);
        player.mainWindow = window;
        GetWindowRect(window, &startPlace);
    }
    void TearDown() override {
        DestroyWindow(window);
        player = {};
    }

    SIZE clientSize() const {
        RECT client;
        GetClientRect(window, &client);
        return {client.right, client.bottom};
    }
    RECT place() const {
        RECT outer;
        GetWindowRect(window, &outer);
        return outer;
    }
    void expectStartPlaceAndSize() const {
        RECT now = place();
        EXPECT_EQ(now.left, startPlace.left);
        EXPECT_EQ(now.top, startPlace.top);
        EXPECT_EQ(now.right, startPlace.right);
        EXPECT_EQ(now.bottom, startPlace.bottom);
        EXPECT_EQ(clientSize().cx, 128);
        EXPECT_EQ(clientSize().cy, 128);
    }
    void expectCentredAt(int width, int height) const {
        RECT now = place();
        EXPECT_EQ(now.left, GetSystemMetrics(SM_CXSCREEN) / 2 - (now.right - now.left) / 2);
        EXPECT_EQ(now.top, GetSystemMetrics(SM_CYSCREEN) / 2 - (now.bottom - now.top) / 2);
        EXPECT_EQ(clientSize().cx, width);
        EXPECT_EQ(clientSize().cy, height);
    }

    HWND window = nullptr;
    RECT startPlace = {};
    BoxRecorder boxes;
};

Bytes trueColour(int width, int height) {
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.bitsPerPixel = 24;
    picture.pixels.assign(testbmp::rowBytes(width, 24) * static_cast<std::size_t>(height), 0x40);
    return testbmp::fileOf(picture);
}

} // namespace

TEST_F(PictureWindow, ClientAreaIsExactlyThePictureAndTheWindowIsCentred) {
    TempFile file(testbmp::fileOf(testbmp::patterned(200, 100, 8)));
    FitWindowToMedia(window, file.path.c_str(), -1, -1);
    EXPECT_EQ(player.windowWidth, 206);
    EXPECT_EQ(player.windowHeight, 106 + GetSystemMetrics(SM_CYCAPTION));
    EXPECT_EQ(clientSize().cx, 200);
    EXPECT_EQ(clientSize().cy, 100);
    RECT outer = place();
    EXPECT_EQ(outer.left, GetSystemMetrics(SM_CXSCREEN) / 2 - 206 / 2);
    EXPECT_EQ(outer.top, GetSystemMetrics(SM_CYSCREEN) / 2 - player.windowHeight / 2);
    EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(PictureWindow, SavedPlaceIsTakenOnEachAxisOnItsOwn) {
    TempFile file(testbmp::fileOf(testbmp::patterned(50, 40, 4)));
    FitWindowToMedia(window, file.path.c_str(), 40, -1);
    EXPECT_EQ(place().left, 40);
    EXPECT_EQ(place().top, GetSystemMetrics(SM_CYSCREEN) / 2 - player.windowHeight / 2);
    FitWindowToMedia(window, file.path.c_str(), -1, 30);
    EXPECT_EQ(place().left, GetSystemMetrics(SM_CXSCREEN) / 2 - player.windowWidth / 2);
    EXPECT_EQ(place().top, 30);
    EXPECT_EQ(clientSize().cx, 50);
    EXPECT_EQ(clientSize().cy, 40);
}

TEST_F(PictureWindow, TopDownPictureIsSizedByItsHeightsMagnitude) {
    TempFile file(testbmp::fileOf(testbmp::patterned(60, -45, 1)));
    FitWindowToMedia(window, file.path.c_str(), -1, -1);
    EXPECT_EQ(clientSize().cx, 60);
    EXPECT_EQ(clientSize().cy, 45);
}

TEST_F(PictureWindow, ReadOnlyPictureIsSized) {
    TempFile file(testbmp::fileOf(testbmp::patterned(70, 30, 8)));
    ASSERT_TRUE(SetFileAttributesA(file.path.c_str(), FILE_ATTRIBUTE_READONLY));
    FitWindowToMedia(window, file.path.c_str(), -1, -1);
    EXPECT_EQ(clientSize().cx, 70);
    EXPECT_EQ(clientSize().cy, 30);
}

TEST_F(PictureWindow, TrueColourPictureIsSizedThoughItIsNotShown) {
    TempFile file(trueColour(90, 35));
    FitWindowToMedia(window, file.path.c_str(), -1, -1);
    EXPECT_EQ(clientSize().cx, 90);
    EXPECT_EQ(clientSize().cy, 35);
}

TEST_F(PictureWindow, RefusedHeaderKeepsTheStartSizeButIsPlacedLikeAnyPicture) {
    Bytes damaged = testbmp::fileOf(testbmp::patterned(20, 20, 8));
    testbmp::put32(damaged, 22, 30000); // rows the file does not have
    Bytes whole = testbmp::fileOf(testbmp::patterned(20, 20, 8));
    Picture wide = testbmp::patterned(8, 1, 1);
    wide.width = 40000; // one row of 5000 bytes: a real picture, but wider than a window can be
    wide.pixels.assign(testbmp::rowBytes(40000, 1), 0);
    const std::vector<Bytes> refused = {damaged, Bytes(whole.begin(), whole.begin() + 26),
                                        testbmp::fileOf(wide), Bytes{}};
    for (const Bytes& bytes : refused) {
        SCOPED_TRACE(bytes.size());
        TempFile file(bytes);
        FitWindowToMedia(window, file.path.c_str(), -1, -1);
        expectCentredAt(128, 128);
        FitWindowToMedia(window, file.path.c_str(), 30, 40);
        EXPECT_EQ(place().left, 30);
        EXPECT_EQ(place().top, 40);
    }
    EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(PictureWindow, MissingFileKeepsTheStartPlaceAndSizeWithoutABox) {
    FitWindowToMedia(window, missingPath().c_str(), -1, -1);
    expectStartPlaceAndSize();
    EXPECT_TRUE(boxes.calls.empty());
}

TEST(PictureSize, FileShortOfItsPixelsHasNoSizeAndLeavesTheOutputs) {
    Bytes bytes = testbmp::fileOf(testbmp::patterned(16, 16, 8));
    bytes.pop_back();
    TempFile file(bytes);
    int width = -5;
    int height = -6;
    EXPECT_EQ(readPictureSize(file.path.c_str(), width, height), PictureSize::kRefused);
    EXPECT_EQ(width, -5);
    EXPECT_EQ(height, -6);
}

TEST(PictureSize, FileThatAnotherProgramHasOpenForWritingIsSized) {
    TempFile file(testbmp::fileOf(testbmp::patterned(11, 12, 8)));
    HANDLE writer = CreateFileA(file.path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    int width = 0;
    int height = 0;
    EXPECT_EQ(readPictureSize(file.path.c_str(), width, height), PictureSize::kRead);
    CloseHandle(writer);
    EXPECT_EQ(width, 11);
    EXPECT_EQ(height, 12);
}

TEST_F(PictureWindow, SavedPlaceWithOnePixelOnTheScreenIsKept) {
    TempFile file(testbmp::fileOf(testbmp::patterned(50, 40, 4)));
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    FitWindowToMedia(window, file.path.c_str(), screenWidth - 1, screenHeight - 1);
    EXPECT_EQ(place().left, screenWidth - 1);
    EXPECT_EQ(place().top, screenHeight - 1);
    FitWindowToMedia(window, file.path.c_str(), 1 - player.windowWidth, 1 - player.windowHeight);
    EXPECT_EQ(place().right, 1);
    EXPECT_EQ(place().bottom, 1);
}

TEST_F(PictureWindow, SavedPlaceWhollyOffTheScreenIsCentredInstead) {
    TempFile file(testbmp::fileOf(testbmp::patterned(50, 40, 4)));
    FitWindowToMedia(window, file.path.c_str(), -1, -1);
    int width = player.windowWidth;
    int height = player.windowHeight;
    const std::vector<POINT> offScreen = {{GetSystemMetrics(SM_CXSCREEN), 0},
                                          {-width, 0},
                                          {0, GetSystemMetrics(SM_CYSCREEN)},
                                          {0, -height},
                                          {-1539, -1676},
                                          {INT_MAX, INT_MIN}};
    for (POINT saved : offScreen) {
        SCOPED_TRACE(std::to_string(saved.x) + ", " + std::to_string(saved.y));
        MoveWindow(window, 5, 7, width, height, FALSE);
        FitWindowToMedia(window, file.path.c_str(), saved.x, saved.y);
        expectCentredAt(50, 40);
    }
}

TEST_F(PictureWindow, MonitorLeftOfThePrimaryOneCountsAsOnScreen) {
    MonitorLookupScope monitors(twoMonitors);
    TempFile file(testbmp::fileOf(testbmp::patterned(50, 40, 4)));
    FitWindowToMedia(window, file.path.c_str(), -1000, -150);
    EXPECT_EQ(place().left, -1000);
    EXPECT_EQ(place().top, -150);
    FitWindowToMedia(window, file.path.c_str(), -3000, -150);
    expectCentredAt(50, 40);
}

TEST_F(PictureWindow, UnopenedPictureCreatedOffTheScreenIsCentredWithTheStartSize) {
    MoveWindow(window, 3000, 3000, player.windowWidth, player.windowHeight, FALSE);
    FitWindowToMedia(window, missingPath().c_str(), 20, 20);
    expectCentredAt(128, 128);
}

TEST_F(PictureWindow, BarOffTheScreenGoesToTheCornerAndABarPartlyOnItStays) {
    player.mediaKind = kWave;
    player.barMode = 1;
    player.windowWidth = 640;
    player.windowHeight = 20;
    MoveWindow(window, -639, 700, 640, 20, FALSE);
    FitWindowToMedia(window, "bar.wav", -1, -1);
    EXPECT_EQ(place().left, -639);
    EXPECT_EQ(place().top, 700);
    MoveWindow(window, 2000, -300, 640, 20, FALSE);
    FitWindowToMedia(window, "bar.wav", -1, -1);
    EXPECT_EQ(place().left, 0);
    EXPECT_EQ(place().top, 0);
    EXPECT_EQ(place().right - place().left, 640);
}

TEST_F(PictureWindow, PictureWhoseFullPathIsLongerThanOpenFileTakesIsSized) {
    TempFile file(testbmp::fileOf(testbmp::patterned(33, 22, 8)));
    std::string longPath = file.path + std::string(140, 'x') + ".bmp";
    ASSERT_GE(longPath.size(), 128u);
    ASSERT_TRUE(CopyFileA(file.path.c_str(), longPath.c_str(), FALSE));
    FitWindowToMedia(window, longPath.c_str(), -1, -1);
    DeleteFileA(longPath.c_str());
    expectCentredAt(33, 22);
}

TEST_F(PictureWindow, CorePictureIsSizedByItsSixteenBitSides) {
    for (std::uint16_t bits : {1, 4, 8}) {
        TempFile file(testbmp::coreFileOf(testbmp::patterned(70 + bits, 30 + bits, bits)));
        FitWindowToMedia(window, file.path.c_str(), -1, -1);
        expectCentredAt(70 + bits, 30 + bits);
    }
}

TEST_F(PictureWindow, PictureRefusedForItsDepthOrCompressionOpensAtItsSizeIfItHasOne) {
    Picture jpegIndexed = testbmp::patterned(90, 35, 8);
    jpegIndexed.compression = BI_JPEG;
    for (const Bytes& bytes :
         {testbmp::refusedForm(0, 35, 24, BI_JPEG), testbmp::refusedForm(40000, 35, 24, BI_JPEG)}) {
        TempFile file(bytes);
        FitWindowToMedia(window, file.path.c_str(), -1, -1);
        expectCentredAt(128, 128);
    }
    for (const Bytes& bytes :
         {testbmp::refusedForm(90, 35, 24, BI_JPEG), testbmp::fileOf(jpegIndexed)}) {
        TempFile file(bytes);
        FitWindowToMedia(window, file.path.c_str(), -1, -1);
        expectCentredAt(90, 35);
    }
    EXPECT_TRUE(boxes.calls.empty());
}
