#include "resbitmap.h"

#include "contrast.h"
#include "state.h"

namespace {

constexpr int kArtColours = 16;

// A 16-colour info header and colour table, the form of every picture of the player.
struct ArtInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colours[kArtColours];
};

RGBQUAD quadOf(COLORREF colour) {
    return RGBQUAD{GetBValue(colour), GetGValue(colour), GetRValue(colour), 0};
}

// The bitmap resource with its colour table replaced by the theme's two colours; null when the
// resource is missing or not 16 uncompressed colours with all its rows present.
HBITMAP loadThemedBitmap(HDC dc, const char* name, const ThemeColours& theme) {
    HRSRC found = FindResourceA(player.instance, name, RT_BITMAP);
    HGLOBAL loaded = found != nullptr ? LoadResource(player.instance, found) : nullptr;
    const auto* stored =
        static_cast<const BITMAPINFOHEADER*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    if (stored == nullptr || SizeofResource(player.instance, found) < sizeof(ArtInfo))
        return nullptr;
    ArtInfo info = {*stored, {}};
    const BITMAPINFOHEADER& header = info.header;
    if (header.biSize != sizeof header || header.biBitCount != 4 ||
        header.biCompression != BI_RGB || header.biWidth <= 0 || header.biHeight <= 0 ||
        (header.biClrUsed != 0 && header.biClrUsed != kArtColours))
        return nullptr;
    unsigned long long rowBytes = (header.biWidth * 4ull + 31) / 32 * 4;
    if (sizeof(ArtInfo) + header.biHeight * rowBytes > SizeofResource(player.instance, found))
        return nullptr;
    for (int k = 0; k < kArtColours; ++k) {
        bool ink = ((theme.ink >> k) & 1u) != 0;
        info.colours[k] = quadOf(systemColour(ink ? theme.foreground : theme.background));
    }
    return CreateDIBitmap(dc, &info.header, CBM_INIT, reinterpret_cast<const ArtInfo*>(stored) + 1,
                          reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS);
}

} // namespace

void copyBitmap(HDC dc, HBITMAP bitmap, int x, int y, SIZE size) {
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    SetMapMode(memory, GetMapMode(dc));
    BITMAP own = {};
    GetObjectA(bitmap, sizeof own, &own);
    if (size.cx == 0 && size.cy == 0)
        size = {own.bmWidth, own.bmHeight};
    if (size.cx == own.bmWidth && size.cy == own.bmHeight) {
        BitBlt(dc, x, y, size.cx, size.cy, memory, 0, 0, SRCCOPY);
    } else {
        // Pixels are repeated, never averaged: pixel art stays sharp at every scale.
        int mode = SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, x, y, size.cx, size.cy, memory, 0, 0, own.bmWidth, own.bmHeight, SRCCOPY);
        SetStretchBltMode(dc, mode);
    }
    // The bitmap leaves the context before the context goes, so that the caller can delete it.
    SelectObject(memory, previous);
    DeleteDC(memory);
}

int DrawResourceBitmap(HDC dc, const char* name, int x, int y, SIZE size,
                       const ThemeColours* theme) {
    HBITMAP bitmap = theme != nullptr && contrastThemeOn() ? loadThemedBitmap(dc, name, *theme)
                                                           : LoadBitmapA(player.instance, name);
    if (bitmap == nullptr)
        return 0;
    copyBitmap(dc, bitmap, x, y, size);
    DeleteObject(bitmap);
    return 1;
}
