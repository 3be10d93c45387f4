#include "window.h"

#include "accessible.h"
#include "band_draw.h"
#include "bmpview.h"
#include "contrast.h"
#include "dpi.h"
#include "drawkit.h"
#include "geometry.h"
#include "media.h"
#include "placement.h"
#include "resbitmap.h"
#include "resource.h"
#include "settings.h"
#include "state.h"
#include "text.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

constexpr UINT_PTR kTickTimer = 1;
constexpr UINT kTickMilliseconds = 500;

bool playable() {
    return player.mediaKind >= kWave && player.mediaKind <= kVideo;
}

// The value name of a place remembered per media kind: "Cd1", "Ld3", ...
std::array<char, 16> placeName(const char* prefix) {
    std::array<char, 16> name{};
    copyText(name.data(), name.size(), prefix);
    std::size_t length = std::strlen(name.data());
    formatInt(player.mediaKind, name.data() + length, name.size() - length);
    return name;
}

int readPlace(const char* prefix) {
    std::array<char, 40> scratch{};
    return truncateToInt(
        readSetting(kPlayerKey, placeName(prefix).data(), scratch.data(), scratch.size(), "-1"));
}

int startMedia() {
    switch (player.mediaKind) {
    case kWave:
    case kMidi:
        return StartAudio(player.mediaPath);
    case kVideo:
        return StartVideo(player.mediaPath);
    default:
        return 1; // a picture has nothing to start
    }
}

LRESULT onCreate(HWND window) {
    player.mainWindow = window;
    SetWindowTextA(window, fileNameOf(player.mediaPath));
    int x = readPlace("Cd");
    int y = readPlace("Ld");
    setDrawingKit(true);
    readContrastTheme();
    // Windows 10 may have made the window on a monitor of another DPI than the screen's: it
    // takes that monitor's measures before it fits its media.
    int dpi = windowDpi(window);
    if (dpi != player.dpi) {
        setGeometry(startGeometryAtDpi(player, dpi));
        SetWindowPos(window, nullptr, 0, 0, player.windowWidth, player.windowHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    FitWindowToMedia(window, player.mediaPath, x, y);
    if (startMedia() == 0) {
        // Wine destroys a refused window without WM_DESTROY, so the kit goes here; where
        // WM_DESTROY does follow, deleting the emptied kit again does nothing.
        setDrawingKit(false);
        endBandObject(window);
        return -1; // the window is not created and the player ends
    }
    tickSetTimer(window, kTickTimer, kTickMilliseconds, nullptr);
    return 0;
}

void onPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if ((player.mediaKind == kWave || player.mediaKind == kMidi) && !inBarMode()) {
        int side = scaledToDpi(128, player.dpi); // the art's 128 pixels, scaled as the band is
        DrawResourceBitmap(dc, RESOURCE_NAME(IDB_WAVE), 0, 0, SIZE{side, side}, &kWaveTheme);
    } else if (player.mediaKind == kPicture)
        ShowBmpFile(dc, player.mediaPath);
    // Video is painted by its device; the band waits for the next tick.
    EndPaint(window, &paint);
}

void onTick(HWND window) {
    if (!playable())
        return;
    if (StopIfFinished(false)) {
        SendMessageA(window, WM_CLOSE, 0, 0);
        return;
    }
    HDC dc = GetDC(window);
    drawBand(dc, playerBandLayout(), player.session.mediaPosition, player.session.mediaLength,
             player.paused);
    ReleaseDC(window, dc);
    announceBandChanges();
}

void seekTo(HWND window, unsigned x) {
    if (player.paused)
        return;
    RECT place;
    GetWindowRect(window, &place);
    std::uint32_t target = 0;
    if (!seekTarget(playerBandLayout(), player.session.mediaLength, x, target))
        return; // a window too narrow for a track has nothing to seek with
    SeekAndPlay(target);
    if (player.mediaKind == kVideo)
        MoveWindow(window, place.left, place.top, player.windowWidth, player.windowHeight, TRUE);
}

void onClick(HWND window, LPARAM lParam) {
    if (!playable())
        return;
    unsigned x = LOWORD(lParam);
    unsigned y = HIWORD(lParam);
    switch (bandZoneAt(playerBandLayout(), x, y)) {
    case BandZone::kPlayPause:
        togglePause();
        break;
    case BandZone::kStop:
        SendMessageA(window, WM_CLOSE, 0, 0);
        break;
    case BandZone::kTrack:
        seekTo(window, x);
        break;
    case BandZone::kOutside:
        break;
    }
}

// Once a run: at the close, or earlier when the session ends, after which Windows may end the
// process without a close.
void savePlace(HWND window) {
    if (player.placeSaved)
        return;
    player.placeSaved = true;
    RECT place;
    GetWindowRect(window, &place);
    writeSettingInt(kPlayerKey, placeName("Cd").data(), place.left);
    writeSettingInt(kPlayerKey, placeName("Ld").data(), place.top);
}

void onClose(HWND window) {
    StopIfFinished(true);
    savePlace(window);
}

// Windows 10 asks for the size at a monitor's DPI before the window goes there: the player's
// own, so that the rectangle it then suggests has the client area exactly as scaled.
LRESULT onGetDpiScaledSize(WPARAM wParam, LPARAM lParam) {
    WindowGeometry geometry = geometryAtDpi(player, LOWORD(wParam));
    *reinterpret_cast<SIZE*>(lParam) = {geometry.windowWidth, geometry.windowHeight};
    return TRUE;
}

// The window went to a monitor of another DPI: it takes the rectangle Windows suggests, and the
// band and the art follow.
void onDpiChanged(HWND window, WPARAM wParam, LPARAM lParam) {
    setGeometry(geometryAtDpi(player, LOWORD(wParam)));
    const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
    player.windowWidth = suggested.right - suggested.left;
    player.windowHeight = suggested.bottom - suggested.top;
    SetWindowPos(window, nullptr, suggested.left, suggested.top, player.windowWidth,
                 player.windowHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    if (player.mediaKind == kVideo)
        placeVideo();
    InvalidateRect(window, nullptr, TRUE);
}

void onDestroy(HWND window) {
    endBandObject(window);
    setDrawingKit(false);
    KillTimer(window, kTickTimer);
    PostQuitMessage(0);
}

} // namespace

UINT_PTR(WINAPI* tickSetTimer)(HWND, UINT_PTR, UINT, TIMERPROC) = SetTimer;

LRESULT CALLBACK PlayerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return onCreate(window);
    case WM_PAINT:
        onPaint(window);
        return 0;
    case WM_TIMER:
        onTick(window);
        return 0;
    case WM_LBUTTONUP:
        onClick(window, lParam);
        return 0;
    case WM_CLOSE:
        onClose(window);
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_DESTROY:
        onDestroy(window);
        return 0;
    case WM_ENDSESSION:
        if (wParam)
            savePlace(window);
        return 0;
    // Their pointers are only the system's where it has a DPI per monitor.
    case WM_GETDPISCALEDSIZE:
        if (!perMonitorDpi())
            return DefWindowProcA(window, message, wParam, lParam);
        return onGetDpiScaledSize(wParam, lParam);
    case WM_DPICHANGED:
        if (!perMonitorDpi())
            return DefWindowProcA(window, message, wParam, lParam);
        onDpiChanged(window, wParam, lParam);
        return 0;
    case WM_GETOBJECT:
        return answerGetObject(window, wParam, lParam);
    // New colours, or a setting that may be the theme: of the many settings Windows announces,
    // only a change of the theme repaints (a picture is read from its file again).
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        if (readContrastTheme() || message == WM_SYSCOLORCHANGE)
            InvalidateRect(window, nullptr, FALSE); // the band follows at the next tick
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
