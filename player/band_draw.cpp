#include "band_draw.h"

#include "contrast.h"
#include "drawkit.h"
#include "resbitmap.h"
#include "resource.h"
#include "state.h"

BandLayout playerBandLayout() {
    return BandLayout{player.windowWidth, player.windowHeight,  player.frameWidth,
                      player.frameHeight, player.captionHeight, player.bandHeight,
                      player.buttonWidth, inBarMode()};
}

namespace {

// The kit's track: framed light at the top and left and dark at the bottom and right, blue
// elapsed and silver to come.
void drawKitTrack(HDC dc, int top, int bottom, int right, int split) {
    MoveToEx(dc, right, top, nullptr);
    HGDIOBJ oldPen = SelectObject(dc, drawingKit.pen[kWhite]);
    LineTo(dc, 0, top);
    LineTo(dc, 0, bottom);
    SelectObject(dc, drawingKit.pen[kBlack]);
    LineTo(dc, right - 1, bottom);
    LineTo(dc, right - 1, top);

    SelectObject(dc, drawingKit.pen[kBlue]);
    HGDIOBJ oldBrush = SelectObject(dc, drawingKit.brush[kBlue]);
    Rectangle(dc, 1, top + 1, split, bottom);
    SelectObject(dc, drawingKit.pen[kSilver]);
    SelectObject(dc, drawingKit.brush[kSilver]);
    Rectangle(dc, split, top + 1, right - 1, bottom);
    // The kit keeps its objects; the device context gets its own back before it is released.
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

// A contrast theme's track: one frame in the button text colour around the button face, the
// elapsed part in the highlight colour.
void drawThemedTrack(HDC dc, int top, int bottom, int right, int split) {
    drawSystemBox(dc, 0, top, right, bottom + 1, COLOR_BTNTEXT, COLOR_BTNFACE);
    if (split > 1) // something has played
        drawSystemBox(dc, 1, top + 1, split, bottom, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT);
}

} // namespace

void drawBand(HDC dc, const BandLayout& layout, DWORD position, DWORD length, bool paused) {
    int top = bandTop(layout);
    int bottom = bandBottom(layout);
    int right = trackRight(layout);
    int split = bandSplit(layout, position, length);
    if (contrastThemeOn())
        drawThemedTrack(dc, top, bottom, right, split);
    else
        drawKitTrack(dc, top, bottom, right, split);

    // The faces fill their buttons: their 20 by 20 pixels scaled as the band is.
    SIZE face = {layout.buttonWidth, layout.bandHeight};
    DrawResourceBitmap(dc, paused ? RESOURCE_NAME(IDB_PLAY) : RESOURCE_NAME(IDB_PAUSE),
                       playButtonLeft(layout), top, face, &kButtonTheme);
    DrawResourceBitmap(dc, RESOURCE_NAME(IDB_STOP), right, top, face, &kButtonTheme);
}
