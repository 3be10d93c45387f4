// Looks at and clicks the control band of a running player from outside, for the end-to-end
// tests of sound and video:
//   media_probe state                  prints "FACE SPLIT": FACE is PLAY, PAUSE or NONE (no
//                                      band drawn yet), SPLIT the first column of the track
//                                      that is not blue (-1 without a band)
//   media_probe wait FACE SECONDS      waits until the band shows FACE, then prints the state
//   media_probe click X Y              posts a left button release at client (X, Y)
//   media_probe pixel X Y              prints the client pixel as RRGGBB
// Exit code 0 on success, 1 when there is no player window or on time-out, 2 on bad usage.
#include "player/band.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr int kFace = 20; // the faces' own size

int screenDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// The probe runs in the player's prefix: its DPI, and the band scaled to it.
const int kButton = scaledToDpi(kFace, screenDpi());

HWND playerWindow() {
    return FindWindowA("WINWAVE", nullptr);
}

// The band geometry of a window from its client area alone.
BandLayout layoutOf(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    return BandLayout{client.right, client.bottom, 0, 0, 0, kButton, kButton, false};
}

bool showsBitmap(HDC dc, const char* name, int x, int y) {
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), name);
    if (bitmap == nullptr)
        return false;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    bool same = true;
    for (int row = 0; row < kButton && same; ++row)
        for (int column = 0; column < kButton && same; ++column)
            same = GetPixel(memory, column * kFace / kButton, row * kFace / kButton) ==
                   GetPixel(dc, x + column, y + row); // each pixel of the face a whole block
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return same;
}

struct BandState {
    const char* face;
    int split;
};

BandState bandState(HWND window) {
    BandLayout layout = layoutOf(window);
    int top = bandTop(layout);
    HDC dc = GetDC(window);
    BandState state = {"NONE", -1};
    if (showsBitmap(dc, "PLAY", playButtonLeft(layout), top))
        state.face = "PLAY";
    else if (showsBitmap(dc, "PAUSE", playButtonLeft(layout), top))
        state.face = "PAUSE";
    if (std::strcmp(state.face, "NONE") != 0) {
        int middle = top + layout.bandHeight / 2;
        int column = 1;
        while (column < trackRight(layout) - 1 && GetPixel(dc, column, middle) == kBlue)
            ++column;
        state.split = column;
    }
    ReleaseDC(window, dc);
    return state;
}

int printState(HWND window) {
    BandState state = bandState(window);
    std::printf("%s %d\n", state.face, state.split);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    const char* command = argv[1];
    HWND window = playerWindow();
    if (std::strcmp(command, "wait") == 0 && argc == 4) {
        DWORD limit = GetTickCount() + static_cast<DWORD>(std::atof(argv[3]) * 1000);
        for (;;) {
            window = playerWindow();
            if (window != nullptr && std::strcmp(bandState(window).face, argv[2]) == 0)
                return printState(window);
            if (static_cast<LONG>(GetTickCount() - limit) > 0)
                return 1;
            Sleep(50);
        }
    }
    if (window == nullptr)
        return 1;
    if (std::strcmp(command, "state") == 0)
        return printState(window);
    if (std::strcmp(command, "click") == 0 && argc == 4) {
        LPARAM where = MAKELPARAM(std::atoi(argv[2]), std::atoi(argv[3]));
        return PostMessageA(window, WM_LBUTTONUP, 0, where) ? 0 : 1;
    }
    if (std::strcmp(command, "pixel") == 0 && argc == 4) {
        HDC dc = GetDC(window);
        COLORREF colour = GetPixel(dc, std::atoi(argv[2]), std::atoi(argv[3]));
        ReleaseDC(window, dc);
        std::printf("%02X%02X%02X\n", GetRValue(colour), GetGValue(colour), GetBValue(colour));
        return 0;
    }
    return 2;
}
