#pragma once
// The layout of BMP picture files: where the header, the colour table and the pixel rows lie,
// and whether a file holds all that its header declares. Platform-free: it works on the bytes
// it is given and never reads past their count.
#include <cstddef>
#include <cstdint>

constexpr std::size_t kBmpFileHeaderSize = 14;
constexpr std::size_t kBmpCoreHeaderSize = 12; // OS/2 1.x: 16-bit sides, 3-byte colour entries
constexpr std::size_t kBmpInfoHeaderSize = 40; // the smallest info header with these fields
constexpr std::size_t kBmpHeadersSize = kBmpFileHeaderSize + kBmpInfoHeaderSize;
constexpr std::size_t kBmpColoursUsedOffset = 46;
constexpr std::size_t kBmpMaxColours = 256;
// Larger pictures would give window sizes past the 16-bit coordinates of the Windows 95
// family, and sums with the frame that overflow an int.
constexpr std::size_t kLargestPictureSide = 32767;

// Compression values of the info header.
constexpr std::uint32_t kBmpUncompressed = 0;
constexpr std::uint32_t kBmpRle8 = 1;
constexpr std::uint32_t kBmpRle4 = 2;
constexpr std::uint32_t kBmpBitFields = 3;

// The fields of the two headers that decide the layout (little-endian in the file). A core
// header has its own offsets (in brackets) and none of the fields marked "info only": those
// are zero for it.
struct BmpHeader {
    std::uint32_t pixelOffsetField; // offset 10
    std::uint32_t infoSize;         // 14
    std::int32_t width;             // 18 (18, 16-bit)
    std::int32_t height;            // 22, negative for rows stored top-down (20, 16-bit)
    std::uint16_t bitsPerPixel;     // 28 (24)
    std::uint32_t compression;      // 30, info only
    std::uint32_t imageSize;        // 34, info only
    std::uint32_t coloursUsed;      // 46, info only
};

// Reads the headers from the first count bytes of a file. A 12-byte core header needs 26
// bytes; its 16-bit sides are unsigned, so its rows are always stored bottom-up, and a zero
// side means the bytes are no core header. Any other header needs 54 bytes and an info header
// of 40 bytes or more: the OS/2 2.x headers of 16 to 39 bytes, which the platform does not
// draw, are not read. False when the bytes hold no header that is read.
bool readBmpHeader(const unsigned char* bytes, std::size_t count, BmpHeader& header);

// 2, 16 or 256 colours: the depths that are shown through a palette.
bool hasPaletteDepth(const BmpHeader& header);

// Where the parts of a picture lie in its file, all offsets from the start of the file.
struct BmpLayout {
    std::size_t colourTableOffset; // right after the info header
    std::size_t colourCount;       // entries of the table (none above 8 bits per pixel)
    std::size_t colourEntryBytes;  // 3 after a core header, else 4
    std::size_t pixelOffset;
    std::size_t rowBytes; // one row padded to 4 bytes (0 for run-length pixels)
    std::size_t rows;     // the height's magnitude
    std::size_t pixelBytes;
};

// Plans the layout of a file of fileSize bytes whose headers are header. The colour table
// follows the info header and holds the colours-used count when that is nonzero and not above
// 2 to the bits per pixel, else 2 to the bits per pixel (always, of 3 bytes each, after a
// core header). The pixels start at the file header's pixel offset when that lies in the file
// at or after the colour table, else right after the table. False, with layout unspecified,
// when the file does not hold the headers, the table and the pixels they declare, or declares
// a size or form that no picture has: width or height zero, negative width, an unknown depth
// or compression, or a pixel size that overflows.
bool planBmpLayout(const BmpHeader& header, std::size_t fileSize, BmpLayout& layout);

// The width and rows that a window is fitted to. A picture of a form that is drawn (2, 16 or
// 256 colours, stored plainly or in runs of its depth) has them only when planBmpLayout
// accepts its file: a file cut short draws nothing. A picture refused for its depth or its
// compression is left white (with a text, for the depth) and its pixels are never read, so
// its header alone gives them, as long as that header lies in the file. False when there is
// no such size: a side zero, negative or above kLargestPictureSide.
bool bmpWindowSize(const BmpHeader& header, std::size_t fileSize, std::size_t& width,
                   std::size_t& rows);

struct BmpColour {
    unsigned char red;
    unsigned char green;
    unsigned char blue;
    unsigned char reserved;
};

// Entry index (below layout.colourCount) of the colour table of a planned file; the table
// stores blue, green, red and, after an info header, a reserved byte (0 for a core header).
BmpColour bmpColourAt(const unsigned char* file, const BmpLayout& layout, std::size_t index);

// Clears a colours-used field that the layout did not accept (more colours than the depth
// has), so that whatever reads the headers next takes no more entries than the table holds.
// A core header has no such field: its file is left as it is.
void settleColoursUsed(unsigned char* file, std::size_t fileSize, const BmpLayout& layout);
