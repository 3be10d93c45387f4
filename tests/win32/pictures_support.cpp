#include "pictures_support.h"

#include "player/callerror.h"
#include "player/bmpview.h"

#include <gtest/gtest.h>

#include <array>

Canvas::Canvas(int canvasWidth, int canvasHeight, COLORREF fill)
    : width(canvasWidth), height(canvasHeight) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pixels = nullptr;
    bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    dc = CreateCompatibleDC(nullptr);
    previous = SelectObject(dc, bitmap);
    bits = static_cast<const DWORD*>(pixels);
    RECT all = {0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(fill);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
}

Canvas::~Canvas() {
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

COLORREF Canvas::at(int x, int y) const {
    GdiFlush();
    DWORD pixel = bits[y * width + x]; // 0x00RRGGBB
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

int Canvas::countOther(int left, int top, int right, int bottom, COLORREF colour) const {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x)
            count += at(x, y) != colour;
    }
    return count;
}

namespace {

std::string tempFolder() {
    std::array<char, MAX_PATH> folder{};
    GetTempPathA(folder.size(), folder.data());
    return folder.data();
}

void writeWhole(const std::string& path, const testbmp::Bytes& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(written, bytes.size());
}

} // namespace

TempFile::TempFile(const testbmp::Bytes& bytes) {
    std::array<char, MAX_PATH> name{};
    GetTempFileNameA(tempFolder().c_str(), "pic", 0, name.data());
    path = name.data();
    writeWhole(path, bytes);
}

TempFile::~TempFile() {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
}

void TempFile::rewrite(const testbmp::Bytes& bytes) const {
    writeWhole(path, bytes);
}

std::string missingPath() {
    TempFile gone({});
    return gone.path; // deleted when gone ends, and the name is unique to this process
}

std::vector<BoxCall> BoxRecorder::calls;

namespace {

int WINAPI recordBox(HWND owner, LPCSTR text, LPCSTR caption, UINT flags) {
    BoxRecorder::calls.push_back({text, caption, flags, owner});
    return IDOK;
}

} // namespace

BoxRecorder::BoxRecorder() {
    calls.clear();
    callErrorBox = recordBox;
}

BoxRecorder::~BoxRecorder() {
    callErrorBox = MessageBoxA;
}

std::vector<PaletteCall> PaletteRecorder::calls;

namespace {

HPALETTE WINAPI recordPalette(HDC dc, HPALETTE palette, BOOL background) {
    PaletteCall call = {dc, palette, nullptr, background, {}};
    WORD count = 0;
    if (palette != nullptr && GetObjectA(palette, sizeof count, &count) == sizeof count) {
        call.entries.resize(count);
        GetPaletteEntries(palette, 0, count, call.entries.data());
    }
    call.replaced = SelectPalette(dc, palette, background);
    PaletteRecorder::calls.push_back(call);
    return call.replaced;
}

} // namespace

PaletteRecorder::PaletteRecorder() {
    calls.clear();
    pictureSelectPalette = recordPalette;
}

PaletteRecorder::~PaletteRecorder() {
    pictureSelectPalette = SelectPalette;
}
