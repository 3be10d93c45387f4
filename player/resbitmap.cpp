#include "pictures.h"
#include "state.h"

int DrawResourceBitmap(HDC dc, const char* name, int x, int y) {
    HBITMAP bitmap = LoadBitmapA(player.instance, name);
    if (bitmap == nullptr)
        return 0;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    SetMapMode(memory, GetMapMode(dc));
    BITMAP size = {};
    GetObjectA(bitmap, sizeof size, &size);
    BitBlt(dc, x, y, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
    // The bitmap leaves the context before either is deleted, so that both really go.
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return 1;
}
