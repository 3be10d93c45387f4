#include "resbitmap.h"

#include "state.h"

void copyBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    SetMapMode(memory, GetMapMode(dc));
    BITMAP size = {};
    GetObjectA(bitmap, sizeof size, &size);
    BitBlt(dc, x, y, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
    // The bitmap leaves the context before the context goes, so that the caller can delete it.
    SelectObject(memory, previous);
    DeleteDC(memory);
}

int DrawResourceBitmap(HDC dc, const char* name, int x, int y) {
    HBITMAP bitmap = LoadBitmapA(player.instance, name);
    if (bitmap == nullptr)
        return 0;
    copyBitmap(dc, bitmap, x, y);
    DeleteObject(bitmap);
    return 1;
}
