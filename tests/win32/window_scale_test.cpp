// The sound window moved to a monitor of another DPI takes the size it asks for, and its
// drawing, its clicks and its parts for screen readers share the scaled band.
#include "player_window.h"

#include "player/band_draw.h"
#include "player/dpi.h"
#include "player/state.h"

#include <utility>

using WindowScale = PlayerWindow;

TEST_F(WindowScale, SoundWindowTakesTheMeasuresOfEachDpi) {
    // DPI, the client area, and STOP's first and last column but one.
    const int scales[][5] = {
        {96, 128, 148, 88, 108}, {144, 192, 222, 132, 162}, {192, 256, 296, 176, 216}};
    for (const auto& [dpi, width, height, stopLeft, stopRight] : scales) {
        SCOPED_TRACE(dpi);
        ASSERT_NE(open("C:\\song.wav"), nullptr);
        SIZE asked = {};
        SendMessageA(window, WM_GETDPISCALEDSIZE, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&asked));
        RECT suggested = {40, 30, 40 + asked.cx, 30 + asked.cy};
        SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        EXPECT_EQ(place().right, suggested.right);
        BandLayout layout = playerBandLayout();
        EXPECT_EQ(layout.windowWidth - layout.frameWidth, width);
        EXPECT_EQ(layout.windowHeight - layout.frameHeight - layout.captionHeight, height);
        BandRect stop = bandZoneRect(layout, BandZone::kStop);
        EXPECT_EQ(std::make_pair(stop.left, stop.right), std::make_pair(stopLeft, stopRight));
        click((stopLeft + stopRight) / 2, height - 2);
        EXPECT_FALSE(IsWindow(window));
    }
}

TEST_F(WindowScale, WithoutADpiPerMonitorTheDpiMessagesAreLeftToTheSystem) {
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    RECT before = place();
    auto found = std::exchange(dpiForWindow, nullptr); // as on Windows 95 to 8.1
    SIZE asked = {1, 2};
    LRESULT answer = SendMessageA(window, WM_GETDPISCALEDSIZE, MAKEWPARAM(192, 192),
                                  reinterpret_cast<LPARAM>(&asked));
    RECT suggested = {40, 30, 500, 600};
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    dpiForWindow = found;
    EXPECT_EQ(answer, FALSE);
    EXPECT_TRUE(asked.cx == 1 && asked.cy == 2) << "changed";
    EXPECT_EQ(player.dpi, 96);
    RECT after = place();
    EXPECT_TRUE(EqualRect(&after, &before));
}

TEST_F(WindowScale, SoundPictureAtTwiceTheDpiShowsEachArtPixelAsTwoByTwo) {
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    moveToDpi(192);
    UpdateWindow(window);
    HDC shown = GetDC(window), copy = CreateCompatibleDC(shown), art = CreateCompatibleDC(shown);
    HBITMAP copied = CreateCompatibleBitmap(shown, 256, 256);
    HBITMAP wave = LoadBitmapA(GetModuleHandleA(nullptr), "WAVE");
    SelectObject(copy, copied);
    SelectObject(art, wave);
    BitBlt(copy, 0, 0, 256, 256, shown, 0, 0, SRCCOPY);
    int differences = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            differences += GetPixel(copy, x, y) != GetPixel(art, x / 2, y / 2);
    EXPECT_EQ(differences, 0);
    DeleteDC(art); // releasing the bitmaps selected into them
    DeleteDC(copy);
    DeleteObject(wave);
    DeleteObject(copied);
    ReleaseDC(window, shown);
}

TEST_F(WindowScale, BarKeepsItsWidthInScreenPixels) {
    save("Quennet", "1");
    save("BLcx", "300");
    ASSERT_NE(open("C:\\song.wav"), nullptr);
    moveToDpi(192);
    EXPECT_EQ(client().right, 300);
    EXPECT_EQ(client().bottom, 40); // the band, scaled
}
