// Ten thousand redraws of the control band, as the player's tick makes them, must leave the
// process's GDI objects where they were: a leak of one object a tick would exhaust GDI within
// hours of playing.
#include "player/band_draw.h"
#include "drawkit.h"
#include "gdi_count.h"
#include "player/geometry.h"
#include "player/state.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kLength = 100000;

// One tick's redraw, through a window context taken and released as the tick does.
void redraw(HWND window, DWORD position, bool paused) {
    HDC dc = GetDC(window);
    drawBand(dc, playerBandLayout(), position, kLength, paused);
    ReleaseDC(window, dc);
}

// The soaks are only as good as the count: it must see a single object come and go.
TEST(BandSoak, CountSeesOneObjectMadeAndDeleted) {
    int before = gdiObjectCount();
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(gdiObjectCount(), before + 1);
    DeleteObject(brush);
    EXPECT_EQ(gdiObjectCount(), before);
}

TEST(BandSoak, TenThousandRedrawsLeaveTheGdiObjectCountUnchanged) {
    player.instance = GetModuleHandleA(nullptr);
    player.mediaKind = kWave;
    player.barMode = 0;
    setStartGeometry();
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, player.windowWidth,
                                  player.windowHeight, nullptr, nullptr, player.instance, nullptr);
    ASSERT_NE(window, nullptr);
    setDrawingKit(true);
    redraw(window, 0, false); // objects the system makes on first use
    redraw(window, 0, true);
    int before = gdiObjectCount();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 10000; ++i)
        redraw(window, static_cast<DWORD>(i) * 10 % kLength, i % 7 == 0);
    EXPECT_EQ(gdiObjectCount(), before);
    setDrawingKit(false);
    DestroyWindow(window);
}

} // namespace
