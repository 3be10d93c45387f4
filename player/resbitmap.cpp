#include "resbitmap.h"

#include "state.h"

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

int DrawResourceBitmap(HDC dc, const char* name, int x, int y, SIZE size) {
    HBITMAP bitmap = LoadBitmapA(player.instance, name);
    if (bitmap == nullptr)
        return 0;
    copyBitmap(dc, bitmap, x, y, size);
    DeleteObject(bitmap);
    return 1;
}
