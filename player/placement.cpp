#include "placement.h"

#include "media.h"
#include "bmpview.h"
#include "state.h"

void FitWindowToMedia(HWND window, const char* path, int x, int y) {
    if (inBarMode())
        return; // the bar keeps the place and size it was created with
    int width = 0;
    int height = 0;
    if (player.mediaKind == kVideo) {
        if (path[0] == '\0' || !probeVideoSize(path, width, height))
            return;
        player.windowWidth = width + player.frameWidth + 1;
        player.windowHeight = height + player.frameHeight + player.captionHeight + 1;
    } else if (player.mediaKind == kPicture) {
        if (!readPictureSize(path, width, height))
            return;
        player.windowWidth = width + player.frameWidth;
        player.windowHeight = height + player.frameHeight + player.captionHeight;
    }
    if (player.mediaKind < kPicture)
        player.windowHeight += player.bandHeight;
    int left = GetSystemMetrics(SM_CXSCREEN) / 2 - player.windowWidth / 2;
    int top = GetSystemMetrics(SM_CYSCREEN) / 2 - player.windowHeight / 2;
    if (x != -1)
        left = x;
    if (y != -1)
        top = y;
    MoveWindow(window, left, top, player.windowWidth, player.windowHeight, FALSE);
}
