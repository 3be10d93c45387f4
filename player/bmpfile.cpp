#include "bmpfile.h"

#include <climits>

namespace {

std::uint32_t read32(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::uint16_t read16(const unsigned char* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::int32_t readSigned32(const unsigned char* bytes) {
    std::uint32_t value = read32(bytes);
    // Two's complement without relying on the conversion of an out-of-range value.
    return value <= INT32_MAX ? static_cast<std::int32_t>(value)
                              : static_cast<std::int32_t>(value - 0x80000000u) + INT32_MIN;
}

bool knownDepth(std::uint16_t bits) {
    switch (bits) {
    case 1:
    case 2:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        return true;
    default:
        return false;
    }
}

bool isCore(const BmpHeader& header) {
    return header.infoSize == kBmpCoreHeaderSize;
}

// A core header, or an info header of the known fields, that lies within the file.
bool headerInFile(const BmpHeader& header, std::size_t fileSize) {
    return fileSize >= kBmpFileHeaderSize &&
           (isCore(header) || header.infoSize >= kBmpInfoHeaderSize) &&
           header.infoSize <= fileSize - kBmpFileHeaderSize;
}

bool hasSides(const BmpHeader& header) {
    return header.width > 0 && header.height != 0 && header.height != INT32_MIN;
}

std::size_t rowsOf(const BmpHeader& header) {
    return header.height < 0 ? 0u - static_cast<std::uint32_t>(header.height)
                             : static_cast<std::uint32_t>(header.height);
}

// Bytes between the end of the info header and the colour table: the three colour masks
// that follow a 40-byte info header in a bit-fields picture.
std::size_t maskBytes(const BmpHeader& header) {
    return header.compression == kBmpBitFields && header.infoSize == kBmpInfoHeaderSize ? 12 : 0;
}

std::size_t colourCountOf(const BmpHeader& header) {
    if (header.bitsPerPixel > 8)
        return 0;
    std::size_t full = std::size_t{1} << header.bitsPerPixel;
    return header.coloursUsed != 0 && header.coloursUsed <= full ? header.coloursUsed : full;
}

// How the pixels are stored; false for a compression that this depth cannot have.
bool knownCompression(const BmpHeader& header) {
    switch (header.compression) {
    case kBmpUncompressed:
        return true;
    case kBmpRle8:
        return header.bitsPerPixel == 8 && header.height > 0;
    case kBmpRle4:
        return header.bitsPerPixel == 4 && header.height > 0;
    case kBmpBitFields:
        return header.bitsPerPixel == 16 || header.bitsPerPixel == 32;
    default:
        return false;
    }
}

// Sets rowBytes, rows and pixelBytes; false when they cannot fit in fileSize bytes.
bool planPixels(const BmpHeader& header, std::size_t fileSize, BmpLayout& layout) {
    layout.rows = rowsOf(header);
    if (header.compression == kBmpRle8 || header.compression == kBmpRle4) {
        // Runs have no fixed row length; the image size bounds what is decoded.
        layout.rowBytes = 0;
        layout.pixelBytes = header.imageSize;
        return header.imageSize != 0 && header.imageSize <= fileSize;
    }
    std::uint64_t bits = static_cast<std::uint64_t>(header.width) * header.bitsPerPixel;
    std::uint64_t rowBytes = (bits + 31) / 32 * 4;
    if (rowBytes > fileSize)
        return false;
    layout.rowBytes = static_cast<std::size_t>(rowBytes);
    if (layout.rows > fileSize / layout.rowBytes)
        return false;
    layout.pixelBytes = layout.rows * layout.rowBytes;
    return true;
}

} // namespace

bool readBmpHeader(const unsigned char* bytes, std::size_t count, BmpHeader& header) {
    if (count < kBmpFileHeaderSize + kBmpCoreHeaderSize)
        return false;
    header = {};
    header.pixelOffsetField = read32(bytes + 10);
    header.infoSize = read32(bytes + 14);
    if (isCore(header)) {
        header.width = read16(bytes + 18);
        header.height = read16(bytes + 20);
        header.bitsPerPixel = read16(bytes + 24);
        return header.width != 0 && header.height != 0;
    }
    if (count < kBmpHeadersSize)
        return false;
    header.width = readSigned32(bytes + 18);
    header.height = readSigned32(bytes + 22);
    header.bitsPerPixel = read16(bytes + 28);
    header.compression = read32(bytes + 30);
    header.imageSize = read32(bytes + 34);
    header.coloursUsed = read32(bytes + kBmpColoursUsedOffset);
    return header.infoSize >= kBmpInfoHeaderSize;
}

bool hasPaletteDepth(const BmpHeader& header) {
    return header.bitsPerPixel == 1 || header.bitsPerPixel == 4 || header.bitsPerPixel == 8;
}

bool planBmpLayout(const BmpHeader& header, std::size_t fileSize, BmpLayout& layout) {
    if (!hasSides(header) || !knownDepth(header.bitsPerPixel) || !knownCompression(header))
        return false;
    if (!headerInFile(header, fileSize))
        return false;
    layout.colourTableOffset = kBmpFileHeaderSize + header.infoSize + maskBytes(header);
    layout.colourCount = colourCountOf(header);
    layout.colourEntryBytes = isCore(header) ? 3 : 4;
    // At most 14 + 2^32 + 12 + 1024 bytes so far: no overflow of a 64-bit size, and a 32-bit
    // size cannot pass the header check above with such values.
    std::uint64_t tableEnd = static_cast<std::uint64_t>(layout.colourTableOffset) +
                             std::uint64_t{layout.colourEntryBytes} * layout.colourCount;
    if (tableEnd > fileSize)
        return false;
    layout.pixelOffset = static_cast<std::size_t>(tableEnd);
    if (header.pixelOffsetField >= tableEnd && header.pixelOffsetField < fileSize)
        layout.pixelOffset = header.pixelOffsetField;
    if (!planPixels(header, fileSize, layout))
        return false;
    return layout.pixelBytes <= fileSize - layout.pixelOffset;
}

bool bmpWindowSize(const BmpHeader& header, std::size_t fileSize, std::size_t& width,
                   std::size_t& rows) {
    BmpLayout layout{};
    bool drawn = hasPaletteDepth(header) && knownCompression(header);
    if (drawn ? !planBmpLayout(header, fileSize, layout) : !headerInFile(header, fileSize))
        return false;
    if (!hasSides(header) || static_cast<std::size_t>(header.width) > kLargestPictureSide ||
        rowsOf(header) > kLargestPictureSide)
        return false;
    width = static_cast<std::size_t>(header.width);
    rows = rowsOf(header);
    return true;
}

BmpColour bmpColourAt(const unsigned char* file, const BmpLayout& layout, std::size_t index) {
    const unsigned char* entry = file + layout.colourTableOffset + layout.colourEntryBytes * index;
    return BmpColour{entry[2], entry[1], entry[0],
                     layout.colourEntryBytes == 4 ? entry[3] : static_cast<unsigned char>(0)};
}

void settleColoursUsed(unsigned char* file, std::size_t fileSize, const BmpLayout& layout) {
    if (fileSize < kBmpHeadersSize || layout.colourCount == 0 || layout.colourEntryBytes != 4)
        return;
    unsigned char* field = file + kBmpColoursUsedOffset;
    if (read32(field) > layout.colourCount) {
        for (int i = 0; i < 4; ++i)
            field[i] = 0;
    }
}
