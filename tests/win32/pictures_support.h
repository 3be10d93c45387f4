#pragma once
// What the picture tests share: a canvas to paint on and read back, picture files in the temp
// folder, and recorders for the message box and the palette selection of a paint.
#include "../tools/make_bmp.h"

#include <windows.h>

#include <string>
#include <vector>

constexpr COLORREF kWhite = RGB(255, 255, 255);

// A 32-bit top-down DIB section selected into a memory device context, filled with one colour.
struct Canvas {
    Canvas(int width, int height, COLORREF fill = kWhite);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    COLORREF at(int x, int y) const;
    // Pixels that differ from colour inside [left, right) x [top, bottom).
    int countOther(int left, int top, int right, int bottom, COLORREF colour) const;

    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    const DWORD* bits = nullptr;
    int width = 0;
    int height = 0;
};

// A file with the given bytes under a fresh name in the temp folder, deleted at the end.
struct TempFile {
    explicit TempFile(const testbmp::Bytes& bytes);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    void rewrite(const testbmp::Bytes& bytes) const;
    std::string path;
};

// A path in the temp folder that names no file.
std::string missingPath();

inline COLORREF colourRef(testbmp::Rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

// The message boxes that showCallError asked for while a recorder was installed.
struct BoxCall {
    std::string text;
    std::string caption;
    UINT flags;
    HWND owner;
};

struct BoxRecorder {
    BoxRecorder();
    ~BoxRecorder();
    BoxRecorder(const BoxRecorder&) = delete;
    BoxRecorder& operator=(const BoxRecorder&) = delete;
    static std::vector<BoxCall> calls;
};

// Every palette selection of a paint, with the entries of the palette selected, read while
// it was still alive.
struct PaletteCall {
    HDC dc;
    HPALETTE palette;
    HPALETTE replaced;
    BOOL background;
    std::vector<PALETTEENTRY> entries;
};

struct PaletteRecorder {
    PaletteRecorder();
    ~PaletteRecorder();
    PaletteRecorder(const PaletteRecorder&) = delete;
    PaletteRecorder& operator=(const PaletteRecorder&) = delete;
    static std::vector<PaletteCall> calls;
};
