// OS/2 1.x pictures: the 12-byte core header with its 16-bit sides, and the 3-byte colour
// entries that follow it.
#include "bmpfile_plan.h"

#include <array>

using testbmp::Bytes;
using testbmp::Picture;

namespace {

using Channels = std::array<int, 4>; // red, green, blue, reserved

Channels channelsOf(BmpColour colour) {
    return {colour.red, colour.green, colour.blue, colour.reserved};
}

} // namespace

TEST(BmpHeader, InfoHeaderSmallerThan40BytesIsNotRead) {
    Picture picture = testbmp::patterned(2, 2, 8);
    picture.infoSize = 12; // the OS/2 core header, whose fields lie elsewhere
    Bytes file = testbmp::fileOf(picture);
    BmpHeader header{};
    EXPECT_FALSE(readBmpHeader(file.data(), file.size(), header));
}

TEST(BmpCoreHeader, UnsignedSixteenBitSidesAndTheDepthComeFromTheirOwnOffsets) {
    Bytes file = testbmp::coreFileOf(testbmp::patterned(3, 5, 4));
    BmpHeader header{};
    ASSERT_TRUE(readBmpHeader(file.data(), 26, header));
    EXPECT_EQ(header.width, 3);
    EXPECT_EQ(header.height, 5);
    EXPECT_EQ(header.bitsPerPixel, 4);
    EXPECT_EQ(header.compression + header.coloursUsed, 0u);
    EXPECT_FALSE(readBmpHeader(file.data(), 25, header));
    testbmp::put16(file, 18, 0xFFFF);
    testbmp::put16(file, 20, 0x8000); // never a top-down picture
    ASSERT_TRUE(readBmpHeader(file.data(), file.size(), header));
    EXPECT_EQ(header.width, 65535);
    EXPECT_EQ(header.height, 32768);
    testbmp::put16(file, 20, 0); // a zero side: no core header
    EXPECT_FALSE(readBmpHeader(file.data(), file.size(), header));
    for (std::uint32_t size : {11u, 13u, 16u, 39u}) { // OS/2 2.x and others: not read
        Picture picture = testbmp::patterned(4, 4, 8);
        picture.infoSize = size;
        Bytes other = testbmp::fileOf(picture);
        EXPECT_FALSE(readBmpHeader(other.data(), other.size(), header)) << size;
    }
}

TEST(BmpCoreLayout, ThreeByteTableOfTheFullDepthThenThePixelsAndNoByteMore) {
    for (std::uint16_t bits : {1, 4, 8}) {
        Bytes file = testbmp::coreFileOf(testbmp::patterned(9, 3, bits));
        BmpLayout layout = layoutOf(file);
        EXPECT_EQ(layout.colourTableOffset, 26u) << bits;
        EXPECT_EQ(layout.colourCount, std::size_t{1} << bits);
        EXPECT_EQ(layout.pixelOffset, 26 + 3 * layout.colourCount);
        EXPECT_EQ(layout.pixelBytes, 3 * testbmp::rowBytes(9, bits));
        EXPECT_EQ(file.size(), layout.pixelOffset + layout.pixelBytes);
        file.pop_back();
        EXPECT_FALSE(plans(file)) << bits;
        file.resize(layout.pixelOffset - 1);
        EXPECT_FALSE(plans(file)) << bits;
    }
}

TEST(BmpCoreLayout, EntriesAreBlueGreenRedAndTheFileIsNotSettled) {
    Picture picture = testbmp::patterned(8, 8, 8); // offset 46 lies in the table
    picture.table[0] = {10, 20, 30, 99};
    picture.table[1] = {40, 50, 60, 99};
    Bytes file = testbmp::coreFileOf(picture);
    BmpLayout layout = layoutOf(file);
    // No reserved byte: the next entry's blue byte is not taken for one.
    EXPECT_EQ(channelsOf(bmpColourAt(file.data(), layout, 0)), Channels({30, 20, 10, 0}));
    EXPECT_EQ(channelsOf(bmpColourAt(file.data(), layout, 1)), Channels({60, 50, 40, 0}));
    Bytes before = file;
    settleColoursUsed(file.data(), file.size(), layout);
    EXPECT_EQ(file, before);
}
