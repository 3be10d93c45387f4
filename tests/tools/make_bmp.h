#pragma once
// Writes BMP files byte by byte for the tests: any depth, either row order, OS/2 1.x core
// headers, and the unusual layouts of valid and damaged files (larger info headers, short
// colour tables, gaps before the pixels, pixel offsets that point anywhere, files cut short).
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace testbmp {

using Bytes = std::vector<std::uint8_t>;

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

struct Picture {
    std::int32_t width = 4;
    std::int32_t height = 4; // negative: rows stored top-down
    std::uint16_t bitsPerPixel = 8;
    std::uint32_t infoSize = 40;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::uint32_t imageSize = 0;
    std::vector<std::array<std::uint8_t, 4>> table; // blue, green, red, reserved as written
    std::uint32_t gap = 0;                          // bytes between the table and the pixels
    bool pixelOffsetPointsAtPixels = true;          // else the field holds pixelOffsetField
    std::uint32_t pixelOffsetField = 0;
    Bytes pixels; // as stored
};

inline void put16(Bytes& out, std::size_t at, std::uint32_t value) {
    out[at] = static_cast<std::uint8_t>(value);
    out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void put32(Bytes& out, std::size_t at, std::uint32_t value) {
    put16(out, at, value & 0xFFFF);
    put16(out, at + 2, value >> 16);
}

inline std::size_t rowBytes(std::int32_t width, int bits) {
    return (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
}

// The file: 14-byte file header, info header of infoSize bytes (fields past the first 40
// left zero), the table, the gap (filled with 0xEE) and the pixels.
inline Bytes fileOf(const Picture& picture) {
    std::size_t tableOffset = 14 + picture.infoSize;
    std::size_t pixelOffset = tableOffset + 4 * picture.table.size() + picture.gap;
    Bytes out(pixelOffset + picture.pixels.size(), 0);
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, static_cast<std::uint32_t>(out.size()));
    put32(out, 10,
          picture.pixelOffsetPointsAtPixels ? static_cast<std::uint32_t>(pixelOffset)
                                            : picture.pixelOffsetField);
    put32(out, 14, picture.infoSize);
    put32(out, 18, static_cast<std::uint32_t>(picture.width));
    put32(out, 22, static_cast<std::uint32_t>(picture.height));
    put16(out, 26, 1);
    put16(out, 28, picture.bitsPerPixel);
    put32(out, 30, picture.compression);
    put32(out, 34, picture.imageSize);
    put32(out, 46, picture.coloursUsed);
    for (std::size_t i = 0; i < picture.table.size(); ++i) {
        for (std::size_t b = 0; b < 4; ++b)
            out[tableOffset + 4 * i + b] = picture.table[i][b];
    }
    for (std::size_t i = 0; i < picture.gap; ++i)
        out[tableOffset + 4 * picture.table.size() + i] = 0xEE;
    for (std::size_t i = 0; i < picture.pixels.size(); ++i)
        out[pixelOffset + i] = picture.pixels[i];
    return out;
}

// The picture with an OS/2 1.x core header: 16-bit width and height (written modulo 2^16),
// one plane, the depth, then the table as 3-byte entries (blue, green, red), the gap and the
// pixels. Only the fields a core header has are taken from the picture.
inline Bytes coreFileOf(const Picture& picture) {
    std::size_t tableOffset = 14 + 12;
    std::size_t pixelOffset = tableOffset + 3 * picture.table.size() + picture.gap;
    Bytes out(pixelOffset + picture.pixels.size(), 0xEE);
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, static_cast<std::uint32_t>(out.size()));
    put32(out, 6, 0);
    put32(out, 10,
          picture.pixelOffsetPointsAtPixels ? static_cast<std::uint32_t>(pixelOffset)
                                            : picture.pixelOffsetField);
    put32(out, 14, 12);
    put16(out, 18, static_cast<std::uint32_t>(picture.width) & 0xFFFF);
    put16(out, 20, static_cast<std::uint32_t>(picture.height) & 0xFFFF);
    put16(out, 22, 1);
    put16(out, 24, picture.bitsPerPixel);
    for (std::size_t i = 0; i < picture.table.size(); ++i) {
        for (std::size_t b = 0; b < 3; ++b)
            out[tableOffset + 3 * i + b] = picture.table[i][b];
    }
    for (std::size_t i = 0; i < picture.pixels.size(); ++i)
        out[pixelOffset + i] = picture.pixels[i];
    return out;
}

// Rows as stored, padded to 4 bytes, bottom row first unless topDown. valueAt(x, y) with y
// counted from the top gives a palette index, or 0xRRGGBB above 8 bits per pixel.
template <typename ValueAt>
Bytes packRows(std::int32_t width, std::int32_t rows, int bits, bool topDown, ValueAt valueAt) {
    std::size_t stride = rowBytes(width, bits);
    Bytes out(stride * static_cast<std::size_t>(rows), 0);
    for (std::int32_t stored = 0; stored < rows; ++stored) {
        std::int32_t y = topDown ? stored : rows - 1 - stored;
        std::uint8_t* row = out.data() + stride * static_cast<std::size_t>(stored);
        for (std::int32_t x = 0; x < width; ++x) {
            std::uint32_t value = valueAt(x, y);
            if (bits == 24) {
                row[3 * x] = static_cast<std::uint8_t>(value);
                row[3 * x + 1] = static_cast<std::uint8_t>(value >> 8);
                row[3 * x + 2] = static_cast<std::uint8_t>(value >> 16);
            } else {
                int perByte = 8 / bits;
                int shift = 8 - bits * (x % perByte + 1);
                row[x / perByte] |=
                    static_cast<std::uint8_t>((value & ((1u << bits) - 1)) << shift);
            }
        }
    }
    return out;
}

// A table of distinct colours, none of them white, entry i of count.
inline std::vector<std::array<std::uint8_t, 4>> distinctTable(std::size_t count) {
    std::vector<std::array<std::uint8_t, 4>> table(count);
    for (std::size_t i = 0; i < count; ++i) {
        auto red = static_cast<std::uint8_t>(i * 37 % 251);
        auto green = static_cast<std::uint8_t>(255 - i);
        auto blue = static_cast<std::uint8_t>(i * 5 % 200);
        table[i] = {blue, green, red, 0};
    }
    return table;
}

inline Rgb colourOf(const Picture& picture, std::uint32_t index) {
    const auto& entry = picture.table.at(index);
    return Rgb{entry[2], entry[1], entry[0]};
}

// A picture of the given depth whose every pixel tells its place: index (x + 3y) modulo the
// colour count, so that a flipped, shifted or mirrored copy shows.
inline Picture patterned(std::int32_t width, std::int32_t height, std::uint16_t bits) {
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.bitsPerPixel = bits;
    std::uint32_t colours = 1u << bits;
    picture.table = distinctTable(colours);
    std::int32_t rows = std::abs(height);
    picture.pixels = packRows(width, rows, bits, height < 0, [colours](int x, int y) {
        return static_cast<std::uint32_t>(x + 3 * y) % colours;
    });
    return picture;
}

// A picture in a form that is not drawn: the given depth and compression (JPEG 4 or PNG 5
// inside, 64 bits, ...) over 16 bytes that stand in for its pixels, and no colour table.
inline Bytes refusedForm(std::int32_t width, std::int32_t height, std::uint16_t bits,
                         std::uint32_t compression) {
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.bitsPerPixel = bits;
    picture.compression = compression;
    picture.imageSize = 16;
    picture.pixels.assign(16, 0x5A);
    return fileOf(picture);
}

inline std::uint32_t patternIndex(const Picture& picture, int x, int y) {
    return static_cast<std::uint32_t>(x + 3 * y) % (1u << picture.bitsPerPixel);
}

} // namespace testbmp
