// The sound window moved to a monitor of another DPI: the size it asks for, and the band that
// its drawing, its clicks and its parts for screen readers share.
#include "player_window.h"

#include "player/band_draw.h"

namespace {

using WindowScale = PlayerWindow;

struct Scale {
    int dpi;
    SIZE client;
    BandRect stop;
};

constexpr Scale kScales[] = {{96, {128, 148}, {88, 128, 108, 148}},
                             {144, {192, 222}, {132, 192, 162, 222}},
                             {192, {256, 296}, {176, 256, 216, 296}}};

} // namespace

TEST_F(WindowScale, SoundWindowTakesTheMeasuresOfEachDpi) {
    for (const Scale& scale : kScales) {
        SCOPED_TRACE(scale.dpi);
        ASSERT_NE(open("C:\\song.wav"), nullptr);
        WPARAM dpi = MAKEWPARAM(scale.dpi, scale.dpi);
        SIZE asked = {};
        SendMessageA(window, WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&asked));
        RECT suggested = {40, 30, 40 + asked.cx, 30 + asked.cy};
        SendMessageA(window, WM_DPICHANGED, dpi, reinterpret_cast<LPARAM>(&suggested));
        EXPECT_EQ(place().left, 40);
        EXPECT_EQ(place().right, suggested.right);
        BandLayout layout = playerBandLayout();
        EXPECT_EQ(layout.windowWidth - layout.frameWidth, scale.client.cx);
        EXPECT_EQ(layout.windowHeight - layout.frameHeight - layout.captionHeight, scale.client.cy);
        BandRect stop = bandZoneRect(layout, BandZone::kStop);
        EXPECT_EQ(stop.left, scale.stop.left);
        EXPECT_EQ(stop.top, scale.stop.top);
        EXPECT_EQ(stop.right, scale.stop.right);
        click((stop.left + stop.right) / 2, (stop.top + stop.bottom) / 2);
        EXPECT_FALSE(IsWindow(window));
    }
}
