#include "geometry.h"

#include "band.h"
#include "dpi.h"

namespace {

DWORD styleFor(bool bar) {
    return bar ? WS_POPUP : WS_POPUP | WS_CAPTION | WS_SYSMENU;
}

} // namespace

DWORD playerWindowStyle() {
    return styleFor(inBarMode());
}

WindowGeometry startGeometryAtDpi(const PlayerState& state, int dpi) {
    bool bar = inBarMode(state);
    WindowFrame frame = windowFrame(styleFor(bar), dpi);
    int band = scaledToDpi(20, dpi);
    WindowGeometry geometry = {dpi, frame.width, frame.height, frame.caption, band, band, 0, 0};
    if (bar) {
        // The bar's width is the user's, in screen pixels.
        geometry.windowWidth = state.barWidth;
        geometry.windowHeight = band;
        return geometry;
    }
    bool video = state.mediaKind == kVideo;
    geometry.windowWidth = frame.width + scaledToDpi(video ? 160 : 128, dpi);
    geometry.windowHeight = frame.caption + frame.height + scaledToDpi(video ? 120 : 128, dpi);
    return geometry;
}

WindowGeometry geometryAtDpi(const PlayerState& state, int dpi) {
    bool band = state.mediaKind < kPicture && !inBarMode(state);
    // A picture and a video's frames keep their pixels: shown at their own size at every DPI.
    int mediaWidth = state.windowWidth - state.frameWidth;
    int mediaHeight = state.windowHeight - state.frameHeight - state.captionHeight -
                      (band ? state.bandHeight : 0);
    WindowGeometry geometry = startGeometryAtDpi(state, dpi);
    if (state.mediaKind >= kVideo) {
        geometry.windowWidth = mediaWidth + geometry.frameWidth;
        geometry.windowHeight = mediaHeight + geometry.frameHeight + geometry.captionHeight;
    }
    if (band)
        geometry.windowHeight += geometry.bandHeight;
    return geometry;
}

void setGeometry(const WindowGeometry& geometry) {
    player.dpi = geometry.dpi;
    player.frameWidth = geometry.frameWidth;
    player.frameHeight = geometry.frameHeight;
    player.captionHeight = geometry.captionHeight;
    player.bandHeight = geometry.bandHeight;
    player.buttonWidth = geometry.buttonWidth;
    player.windowWidth = geometry.windowWidth;
    player.windowHeight = geometry.windowHeight;
}

void setStartGeometry() {
    setGeometry(startGeometryAtDpi(player, systemDpi()));
}
