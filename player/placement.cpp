#include "placement.h"

#include "bmpview.h"
#include "media.h"
#include "onscreen.h"
#include "state.h"

namespace {

// How far sizing for the media got.
enum class Fit {
    kUnsized, // nothing to size by (a video the device does not open, a picture that cannot be
              // opened): the window keeps the place and size it was created with
    kSized,   // the size is settled; the band and the place follow
};

Fit sizeForMedia(const char* path) {
    int width = 0;
    int height = 0;
    if (player.mediaKind == kVideo) {
        if (path[0] == '\0' || !probeVideoSize(path, width, height))
            return Fit::kUnsized;
        // Frames no window can hold: the start size stays, as for a picture so refused.
        if (width < 0 || height < 0)
            return Fit::kSized;
        player.windowWidth = width + player.frameWidth + 1;
        player.windowHeight = height + player.frameHeight + player.captionHeight + 1;
    } else if (player.mediaKind == kPicture) {
        switch (readPictureSize(path, width, height)) {
        case PictureSize::kUnopened:
            return Fit::kUnsized;
        case PictureSize::kRefused:
            break; // the start size stays, and the window is placed like any other picture
        case PictureSize::kRead:
            player.windowWidth = width + player.frameWidth;
            player.windowHeight = height + player.frameHeight + player.captionHeight;
            break;
        }
    }
    return Fit::kSized;
}

int centredLeft() {
    return GetSystemMetrics(SM_CXSCREEN) / 2 - player.windowWidth / 2;
}

int centredTop() {
    return GetSystemMetrics(SM_CYSCREEN) / 2 - player.windowHeight / 2;
}

// A window created wholly off every monitor (a bar or start place far outside) is moved to
// where it would be with nothing saved, so that the user sees it.
void keepCreatedPlaceInSight(HWND window, int left, int top) {
    RECT created = {};
    GetWindowRect(window, &created);
    if (!touchesMonitor(created.left, created.top, created.right - created.left,
                        created.bottom - created.top))
        MoveWindow(window, left, top, player.windowWidth, player.windowHeight, FALSE);
}

} // namespace

void FitWindowToMedia(HWND window, const char* path, int x, int y) {
    if (inBarMode()) {
        keepCreatedPlaceInSight(window, 0, 0);
        return; // otherwise the bar keeps the place and size it was created with
    }
    if (sizeForMedia(path) == Fit::kUnsized) {
        keepCreatedPlaceInSight(window, centredLeft(), centredTop());
        return;
    }
    if (player.mediaKind < kPicture)
        player.windowHeight += player.bandHeight;
    int left = x != -1 ? x : centredLeft();
    int top = y != -1 ? y : centredTop();
    // A saved place that no monitor shows any more is forgotten for this run: centred instead.
    if (!touchesMonitor(left, top, player.windowWidth, player.windowHeight)) {
        left = centredLeft();
        top = centredTop();
    }
    MoveWindow(window, left, top, player.windowWidth, player.windowHeight, FALSE);
}
