#include "pictures.h"
#include "placement.h"
#include "settings.h"
#include "startup.h"
#include "state.h"

LRESULT CALLBACK PlayerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        player.mainWindow = window;
        SetWindowTextA(window, fileNameOf(player.mediaPath));
        FitWindowToMedia(window, player.mediaPath, -1, -1);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        if (player.mediaKind == kPicture)
            ShowBmpFile(dc, player.mediaPath);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
