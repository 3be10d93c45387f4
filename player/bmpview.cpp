#include "bmpview.h"

#include "bmpfile.h"
#include "callerror.h"
#include "classify.h"
#include "resbitmap.h"

#include <array>

HPALETTE(WINAPI* pictureSelectPalette)(HDC, HPALETTE, BOOL) = SelectPalette;

namespace {

constexpr char kTooManyColours[] = "Too many colors ...";

// The palette of the latest paint, rebuilt before each use; entries past the count are stale.
struct {
    WORD palVersion;
    WORD palNumEntries;
    PALETTEENTRY palPalEntry[kBmpMaxColours];
} bmpPalette;

// The whole file in a locked movable block; size counts the bytes actually read.
struct PictureBlock {
    HGLOBAL memory;
    unsigned char* bytes;
    std::size_t size;
};

// The system's file search (OpenFile's own), so that a name without a folder is found in the
// program's and the current folder, the system folders and PATH; then read-only and shared,
// so that read-only files, files on read-only media and files that another program has open
// are shown too. OpenFile itself would refuse any file whose full path reaches 128 bytes.
HANDLE openPicture(const char* path) {
    std::array<char, kPathArea> found{}; // as long as the player's own path, in UTF-8 too
    DWORD length = SearchPathA(nullptr, path, nullptr, static_cast<DWORD>(found.size()),
                               found.data(), nullptr);
    if (length == 0 || length >= found.size())
        return INVALID_HANDLE_VALUE;
    return CreateFileA(found.data(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The file's size; false for 4 GB or more, which no block can hold.
bool fileSizeOf(HANDLE file, DWORD& size) {
    DWORD high = 0;
    size = GetFileSize(file, &high);
    return high == 0 && size != INVALID_FILE_SIZE;
}

// Reads the file into a new locked block; failures are reported and leave nothing held.
bool loadPicture(const char* path, PictureBlock& block) {
    HANDLE file = openPicture(path);
    if (file == INVALID_HANDLE_VALUE) {
        showCallError(kPathNotFound);
        return false;
    }
    DWORD size = 0;
    // An empty file gets a block of 0 bytes, which cannot be locked: "Out of memory".
    block.memory = fileSizeOf(file, size) ? GlobalAlloc(GMEM_MOVEABLE, size) : nullptr;
    block.bytes = block.memory ? static_cast<unsigned char*>(GlobalLock(block.memory)) : nullptr;
    if (block.bytes == nullptr) {
        if (block.memory != nullptr)
            GlobalFree(block.memory);
        CloseHandle(file);
        showCallError(kOutOfMemory);
        return false;
    }
    DWORD read = 0;
    if (!ReadFile(file, block.bytes, size, &read, nullptr))
        read = 0;
    CloseHandle(file);
    block.size = read;
    return true;
}

HPALETTE makePalette(const unsigned char* bytes, const BmpLayout& layout) {
    bmpPalette.palVersion = 0x300;
    bmpPalette.palNumEntries = static_cast<WORD>(layout.colourCount);
    for (std::size_t i = 0; i < layout.colourCount; ++i) {
        BmpColour colour = bmpColourAt(bytes, layout, i);
        bmpPalette.palPalEntry[i] = {colour.red, colour.green, colour.blue, colour.reserved};
    }
    return CreatePalette(reinterpret_cast<LOGPALETTE*>(&bmpPalette));
}

// Makes a bitmap for dc from the file's pixels and copies it to the top-left corner. The
// header goes to the platform as it is in the file: a core header with its 3-byte table is a
// BITMAPCOREINFO, which the platform tells apart by its size field.
int copyPixels(HDC dc, const unsigned char* bytes, const BmpLayout& layout) {
    const auto* info = reinterpret_cast<const BITMAPINFO*>(bytes + kBmpFileHeaderSize);
    HBITMAP bitmap = CreateDIBitmap(dc, &info->bmiHeader, CBM_INIT, bytes + layout.pixelOffset,
                                    info, DIB_RGB_COLORS);
    if (bitmap == nullptr)
        return 0;
    copyBitmap(dc, bitmap, 0, 0);
    DeleteObject(bitmap);
    return 1;
}

// Draws a file that is in memory; a file that does not hold what its header declares is
// not drawn at all, so nothing past its bytes is ever read.
int drawPicture(HDC dc, unsigned char* bytes, std::size_t size) {
    BmpHeader header = {};
    if (!readBmpHeader(bytes, size, header))
        return 0;
    if (!hasPaletteDepth(header)) {
        TextOutA(dc, 8, 8, kTooManyColours, sizeof kTooManyColours - 1);
        return 0;
    }
    BmpLayout layout = {};
    if (!planBmpLayout(header, size, layout))
        return 0;
    settleColoursUsed(bytes, size, layout);
    HPALETTE palette = makePalette(bytes, layout);
    HPALETTE replaced = pictureSelectPalette(dc, palette, FALSE);
    RealizePalette(dc);
    int drawn = copyPixels(dc, bytes, layout);
    if (replaced != nullptr)
        pictureSelectPalette(dc, replaced, FALSE);
    DeleteObject(palette);
    return drawn;
}

} // namespace

int ShowBmpFile(HDC dc, const char* path) {
    PictureBlock block = {};
    if (!loadPicture(path, block))
        return 0;
    int drawn = drawPicture(dc, block.bytes, block.size);
    GlobalUnlock(block.memory);
    GlobalFree(block.memory);
    return drawn;
}

PictureSize readPictureSize(const char* path, int& width, int& height) {
    HANDLE file = openPicture(path);
    if (file == INVALID_HANDLE_VALUE)
        return PictureSize::kUnopened;
    DWORD size = 0;
    std::array<unsigned char, kBmpHeadersSize> bytes{};
    DWORD read = 0;
    bool sized = fileSizeOf(file, size);
    bool readable = ReadFile(file, bytes.data(), bytes.size(), &read, nullptr) != 0;
    CloseHandle(file);
    BmpHeader header = {};
    std::size_t columns = 0;
    std::size_t rows = 0;
    if (!sized || !readable || !readBmpHeader(bytes.data(), read, header) ||
        !bmpWindowSize(header, size, columns, rows))
        return PictureSize::kRefused;
    width = static_cast<int>(columns);
    height = static_cast<int>(rows);
    return PictureSize::kRead;
}
