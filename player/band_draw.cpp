#include "band_draw.h"

#include "drawkit.h"
#include "resbitmap.h"
#include "resource.h"
#include "state.h"

BandLayout playerBandLayout() {
    return BandLayout{player.windowWidth, player.windowHeight,  player.frameWidth,
                      player.frameHeight, player.captionHeight, player.bandHeight,
                      player.buttonWidth, inBarMode()};
}

void drawBand(HDC dc, const BandLayout& layout, DWORD position, DWORD length, bool paused) {
    int top = bandTop(layout);
    int bottom = bandBottom(layout);
    int right = trackRight(layout);
    int split = bandSplit(layout, position, length);

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

    // The faces fill their buttons: their 20 by 20 pixels scaled as the band is.
    SIZE face = {layout.buttonWidth, layout.bandHeight};
    DrawResourceBitmap(dc, paused ? RESOURCE_NAME(IDB_PLAY) : RESOURCE_NAME(IDB_PAUSE),
                       playButtonLeft(layout), top, face);
    DrawResourceBitmap(dc, RESOURCE_NAME(IDB_STOP), right, top, face);
}
