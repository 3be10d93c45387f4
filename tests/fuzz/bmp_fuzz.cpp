// Any bytes as a BMP file: the layout rules must accept only files that hold everything they
// declare, so that nothing outside the file's bytes is read by them or by whatever draws the
// planned parts. The copy below is exactly the file's size, so AddressSanitizer catches any
// read past it.
#include "player/bmpfile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

volatile unsigned sink;

void require(bool condition) {
    if (!condition)
        std::abort();
}

// Reads the bytes the way a drawing routine would.
void readAll(const unsigned char* bytes, std::size_t count) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum += bytes[i];
    sink = sum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<unsigned char> file(data, data + size);
    BmpHeader header{};
    BmpLayout layout{};
    bool planned = readBmpHeader(file.data(), file.size(), header) &&
                   planBmpLayout(header, file.size(), layout);

    // The window's size probe reads the headers only and must come to the same verdict.
    BmpHeader probed{};
    BmpLayout probedLayout{};
    bool probedRead = readBmpHeader(file.data(), std::min(size, kBmpHeadersSize), probed);
    bool probedOk = probedRead && planBmpLayout(probed, size, probedLayout);
    require(planned == probedOk);
    std::size_t width = 0;
    std::size_t rows = 0;
    bool sized = probedRead && bmpWindowSize(probed, size, width, rows);
    if (sized)
        require(width >= 1 && width <= kLargestPictureSide && rows >= 1 &&
                rows <= kLargestPictureSide);
    if (!planned)
        return 0;

    // A planned picture is sized exactly by its header, when a window can take it.
    bool fits = static_cast<std::size_t>(header.width) <= kLargestPictureSide &&
                layout.rows <= kLargestPictureSide;
    require(sized == fits);
    require(!sized || (width == static_cast<std::size_t>(header.width) && rows == layout.rows));

    require(header.width > 0 && header.height != 0);
    require(layout.colourEntryBytes == (header.infoSize == kBmpCoreHeaderSize ? 3u : 4u));
    require(layout.colourTableOffset >= kBmpFileHeaderSize + header.infoSize);
    require(layout.colourCount <= kBmpMaxColours);
    require(layout.pixelOffset >=
            layout.colourTableOffset + layout.colourEntryBytes * layout.colourCount);
    require(layout.pixelOffset <= size && layout.pixelBytes <= size - layout.pixelOffset);
    if (layout.rowBytes != 0) {
        require(layout.pixelBytes == layout.rows * layout.rowBytes);
        require(layout.rowBytes * 8 >=
                static_cast<std::uint64_t>(header.width) * header.bitsPerPixel);
    }

    readAll(file.data() + kBmpFileHeaderSize, header.infoSize);
    for (std::size_t i = 0; i < layout.colourCount; ++i) {
        BmpColour colour = bmpColourAt(file.data(), layout, i);
        sink = sink + colour.red + colour.green + colour.blue + colour.reserved;
    }
    readAll(file.data() + layout.pixelOffset, layout.pixelBytes);

    // After settling, a reader that takes the colours-used count as the platform does
    // (nonzero: that many, at most 256; zero or a core header: 2 to the depth) stays inside
    // the table. A core file is left as it is.
    std::vector<unsigned char> before = file;
    settleColoursUsed(file.data(), file.size(), layout);
    require(layout.colourEntryBytes == 4 || file == before);
    BmpHeader settled{};
    require(readBmpHeader(file.data(), file.size(), settled));
    if (hasPaletteDepth(settled)) {
        std::size_t platformCount = settled.coloursUsed != 0
                                        ? std::min<std::size_t>(settled.coloursUsed, 256)
                                        : std::size_t{1} << settled.bitsPerPixel;
        require(platformCount == layout.colourCount);
    }
    return 0;
}
