// The sound window when Windows moves it to a monitor of another DPI: the size it asks for,
// and the band that its drawing, its clicks and its parts for screen readers share.
#include "player_window.h"

#include "player/band_draw.h"
#include "player/state.h"

namespace {

using WindowScale = PlayerWindow;

struct Scale {
    int dpi;
    int clientWidth;
    int clientHeight;
    BandRect stop;
};

constexpr Scale kScales[] = {
    {96, 128, 148, {88, 128, 108, 148}},
    {144, 192, 222, {132, 192, 162, 222}},
    {192, 256, 296, {176, 256, 216, 296}},
};

} // namespace

TEST_F(WindowScale, SoundWindowTakesTheMeasuresOfEachDpi) {
    for (const Scale& scale : kScales) {
        SCOPED_TRACE(scale.dpi);
        ASSERT_NE(open("C:\\song.wav"), nullptr);
        SIZE asked = {};
        ASSERT_TRUE(SendMessageA(window, WM_GETDPISCALEDSIZE, MAKEWPARAM(scale.dpi, scale.dpi),
                                 reinterpret_cast<LPARAM>(&asked)));
        RECT suggested = {40, 30, 40 + asked.cx, 30 + asked.cy};
        SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(scale.dpi, scale.dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        EXPECT_EQ(place().left, 40);
        EXPECT_EQ(place().right - place().left, asked.cx);
        BandLayout layout = playerBandLayout();
        EXPECT_EQ(layout.windowWidth - layout.frameWidth, scale.clientWidth);
        EXPECT_EQ(layout.windowHeight - layout.frameHeight - layout.captionHeight,
                  scale.clientHeight);
        BandRect stop = bandZoneRect(layout, BandZone::kStop);
        EXPECT_EQ((std::vector<int>{stop.left, stop.top, stop.right, stop.bottom}),
                  (std::vector<int>{scale.stop.left, scale.stop.top, scale.stop.right,
                                    scale.stop.bottom}));
        click((stop.left + stop.right) / 2, (stop.top + stop.bottom) / 2);
        EXPECT_FALSE(IsWindow(window));
    }
}
