#include "bmpfile_plan.h"

#include <climits>
#include <utility>

using testbmp::Bytes;
using testbmp::Picture;

TEST(BmpHeader, FieldsAreReadLittleEndianWithSignedWidthAndHeight) {
    Picture picture = testbmp::patterned(3, -2, 4);
    picture.compression = 0;
    picture.coloursUsed = 0x01020304;
    picture.imageSize = 0x0A0B0C0D;
    Bytes file = testbmp::fileOf(picture);
    BmpHeader header{};
    ASSERT_TRUE(readBmpHeader(file.data(), file.size(), header));
    EXPECT_EQ(header.pixelOffsetField, 54u + 64u);
    EXPECT_EQ(header.infoSize, 40u);
    EXPECT_EQ(header.width, 3);
    EXPECT_EQ(header.height, -2);
    EXPECT_EQ(header.bitsPerPixel, 4);
    EXPECT_EQ(header.imageSize, 0x0A0B0C0Du);
    EXPECT_EQ(header.coloursUsed, 0x01020304u);
}

TEST(BmpHeader, FewerThan54BytesHoldNoHeader) {
    Bytes file = testbmp::fileOf(testbmp::patterned(2, 2, 8));
    BmpHeader header{};
    EXPECT_FALSE(readBmpHeader(file.data(), 53, header));
    EXPECT_TRUE(readBmpHeader(file.data(), 54, header));
}

TEST(BmpLayout, CommonLayoutsPutTheTableAt54AndThePixelsRightAfterIt) {
    BmpLayout one = layoutOf(testbmp::fileOf(testbmp::patterned(8, 2, 1)));
    EXPECT_EQ(one.colourTableOffset, 54u);
    EXPECT_EQ(one.colourCount, 2u);
    EXPECT_EQ(one.pixelOffset, 62u);
    BmpLayout four = layoutOf(testbmp::fileOf(testbmp::patterned(8, 2, 4)));
    EXPECT_EQ(four.colourCount, 16u);
    EXPECT_EQ(four.pixelOffset, 118u);
    BmpLayout eight = layoutOf(testbmp::fileOf(testbmp::patterned(8, 2, 8)));
    EXPECT_EQ(eight.colourCount, 256u);
    EXPECT_EQ(eight.pixelOffset, 1078u);
}

TEST(BmpLayout, RowsArePaddedToFourBytes) {
    BmpLayout one = layoutOf(testbmp::fileOf(testbmp::patterned(33, 3, 1)));
    EXPECT_EQ(one.rowBytes, 8u);
    EXPECT_EQ(one.pixelBytes, 24u);
    BmpLayout four = layoutOf(testbmp::fileOf(testbmp::patterned(9, 2, 4)));
    EXPECT_EQ(four.rowBytes, 8u);
    BmpLayout eight = layoutOf(testbmp::fileOf(testbmp::patterned(5, 1, 8)));
    EXPECT_EQ(eight.rowBytes, 8u);
    EXPECT_EQ(eight.rows, 1u);
}

TEST(BmpLayout, TopDownPictureCountsItsHeightByMagnitude) {
    BmpLayout layout = layoutOf(testbmp::fileOf(testbmp::patterned(4, -7, 8)));
    EXPECT_EQ(layout.rows, 7u);
    EXPECT_EQ(layout.pixelBytes, 28u);
}

TEST(BmpColoursUsed, NonzeroCountNotAboveTheDepthSizesTheTable) {
    Picture picture = testbmp::patterned(4, 4, 8);
    picture.coloursUsed = 16;
    picture.table.resize(16);
    BmpLayout layout = layoutOf(testbmp::fileOf(picture));
    EXPECT_EQ(layout.colourCount, 16u);
    EXPECT_EQ(layout.pixelOffset, 54u + 64u);
}

TEST(BmpColoursUsed, CountAboveTheDepthGivesTheFullTable) {
    Picture picture = testbmp::patterned(8, 1, 1);
    picture.coloursUsed = 5;
    BmpLayout layout = layoutOf(testbmp::fileOf(picture));
    EXPECT_EQ(layout.colourCount, 2u);
    EXPECT_EQ(layout.pixelOffset, 62u);
}

TEST(BmpColoursUsed, ShortTableWithoutTheCountIsDamaged) {
    Picture picture = testbmp::patterned(4, 4, 8);
    picture.table.resize(16); // the count says 0, so 256 entries are due
    picture.pixelOffsetPointsAtPixels = false;
    Bytes file = testbmp::fileOf(picture);
    ASSERT_LT(file.size(), 1078u + 16u);
    EXPECT_FALSE(plans(file));
}

TEST(BmpColoursUsed, CountAboveTheDepthIsClearedBeforeTheHeaderIsHandedOn) {
    Picture picture = testbmp::patterned(8, 1, 1);
    picture.coloursUsed = 300;
    Bytes file = testbmp::fileOf(picture);
    BmpLayout layout = layoutOf(file);
    settleColoursUsed(file.data(), file.size(), layout);
    BmpHeader header{};
    ASSERT_TRUE(readBmpHeader(file.data(), file.size(), header));
    EXPECT_EQ(header.coloursUsed, 0u);
}

TEST(BmpColoursUsed, AcceptedCountIsLeftAsItIs) {
    Picture picture = testbmp::patterned(4, 4, 8);
    picture.coloursUsed = 16;
    picture.table.resize(16);
    Bytes file = testbmp::fileOf(picture);
    Bytes before = file;
    settleColoursUsed(file.data(), file.size(), layoutOf(file));
    EXPECT_EQ(file, before);
}

TEST(BmpInfoHeader, LargerInfoHeaderMovesTheTableAndThePixels) {
    Picture picture = testbmp::patterned(4, 4, 4);
    picture.infoSize = 124;
    BmpLayout layout = layoutOf(testbmp::fileOf(picture));
    EXPECT_EQ(layout.colourTableOffset, 138u);
    EXPECT_EQ(layout.pixelOffset, 138u + 64u);
}

TEST(BmpInfoHeader, SizeLargerThanTheFileIsDamaged) {
    Picture picture = testbmp::patterned(1, 1, 1);
    picture.infoSize = 40;
    Bytes file = testbmp::fileOf(picture);
    for (std::uint32_t size : {0xFFFFFFFFu, 0xFFFFFFF2u, static_cast<std::uint32_t>(file.size())}) {
        testbmp::put32(file, 14, size);
        EXPECT_FALSE(plans(file)) << size;
    }
}

TEST(BmpPixelOffset, OffsetAfterTheTableInsideTheFileIsHonoured) {
    Picture picture = testbmp::patterned(4, 2, 1);
    picture.gap = 10;
    BmpLayout layout = layoutOf(testbmp::fileOf(picture));
    EXPECT_EQ(layout.pixelOffset, 72u);
}

TEST(BmpPixelOffset, OffsetInsideTheTableOrOutsideTheFileMeansRightAfterTheTable) {
    Picture picture = testbmp::patterned(4, 2, 4);
    picture.pixelOffsetPointsAtPixels = false;
    Bytes file = testbmp::fileOf(picture);
    for (std::uint32_t field :
         {0u, 54u, 117u, static_cast<std::uint32_t>(file.size()), 0xFFFFFFFFu}) {
        testbmp::put32(file, 10, field);
        EXPECT_EQ(layoutOf(file).pixelOffset, 118u) << field;
    }
}

TEST(BmpPixelOffset, OffsetWhoseRowsRunPastTheEndIsDamaged) {
    Picture picture = testbmp::patterned(4, 2, 1);
    picture.gap = 3;
    Bytes file = testbmp::fileOf(picture);
    testbmp::put32(file, 10, 62 + 4);
    EXPECT_FALSE(plans(file));
}

TEST(BmpDamage, FileOneByteShortOfItsPixelsIsDamagedAndTheFullOneIsNot) {
    for (std::uint16_t bits : {1, 4, 8}) {
        Bytes file = testbmp::fileOf(testbmp::patterned(7, -5, bits));
        EXPECT_TRUE(plans(file)) << bits;
        file.pop_back();
        EXPECT_FALSE(plans(file)) << bits;
    }
}

TEST(BmpDamage, FileCutInsideItsTableIsDamaged) {
    Bytes file = testbmp::fileOf(testbmp::patterned(4, 1, 8));
    file.resize(600);
    EXPECT_FALSE(plans(file));
}

TEST(BmpDamage, ZeroOrNegativeWidthAndZeroHeightAreDamaged) {
    for (auto [width, height] : {std::pair{0, 4}, std::pair{-4, 4}, std::pair{4, 0}}) {
        Picture picture = testbmp::patterned(4, 4, 8);
        picture.width = width;
        picture.height = height;
        EXPECT_FALSE(plans(testbmp::fileOf(picture))) << width << " by " << height;
    }
}

TEST(BmpDamage, SizesWhosePixelCountOverflowsAreDamaged) {
    Picture picture = testbmp::patterned(4, 4, 8);
    Bytes file = testbmp::fileOf(picture);
    std::int32_t sides[][2] = {
        {INT_MAX, INT_MAX}, {INT_MAX, INT_MIN}, {65536, 65536}, {4, INT_MIN}, {1 << 30, 4}};
    for (auto& side : sides) {
        testbmp::put32(file, 18, static_cast<std::uint32_t>(side[0]));
        testbmp::put32(file, 22, static_cast<std::uint32_t>(side[1]));
        for (std::uint16_t bits : {8, 24, 32}) {
            testbmp::put16(file, 28, bits);
            EXPECT_FALSE(plans(file)) << side[0] << " by " << side[1] << " at " << bits;
        }
    }
}

TEST(BmpDamage, UnknownDepthOrCompressionIsDamaged) {
    Bytes file = testbmp::fileOf(testbmp::patterned(4, 4, 8));
    for (std::uint16_t bits : {0, 3, 7, 9, 64}) {
        testbmp::put16(file, 28, bits);
        EXPECT_FALSE(plans(file)) << bits;
    }
    testbmp::put16(file, 28, 8);
    for (std::uint32_t compression : {2u, 3u, 4u, 5u, 0x80000000u}) {
        testbmp::put32(file, 30, compression);
        EXPECT_FALSE(plans(file)) << compression;
    }
}

TEST(BmpRunLength, ImageSizeBoundsTheRunsAndMustLieInTheFile) {
    Picture picture = testbmp::patterned(4, 2, 8);
    picture.compression = kBmpRle8;
    picture.pixels = {4, 1, 0, 0, 4, 2, 0, 1}; // two rows of four, then the end
    picture.imageSize = 8;
    BmpLayout layout = layoutOf(testbmp::fileOf(picture));
    EXPECT_EQ(layout.pixelOffset, 1078u);
    EXPECT_EQ(layout.pixelBytes, 8u);
    picture.imageSize = 9;
    EXPECT_FALSE(plans(testbmp::fileOf(picture)));
    picture.imageSize = 0;
    EXPECT_FALSE(plans(testbmp::fileOf(picture)));
    picture.imageSize = 8;
    picture.height = -2; // runs are always stored bottom-up
    EXPECT_FALSE(plans(testbmp::fileOf(picture)));
}

TEST(BmpRunLength, FourBitRunsNeedFourBitPixels) {
    Picture picture = testbmp::patterned(4, 2, 4);
    picture.compression = kBmpRle4;
    picture.pixels = {4, 0x12, 0, 1};
    picture.imageSize = 4;
    EXPECT_TRUE(plans(testbmp::fileOf(picture)));
    picture.compression = kBmpRle8;
    EXPECT_FALSE(plans(testbmp::fileOf(picture)));
}

TEST(BmpDepth, OnlyTwoSixteenAnd256ColoursHaveAPalette) {
    BmpHeader header{};
    for (std::uint16_t bits : {1, 4, 8}) {
        header.bitsPerPixel = bits;
        EXPECT_TRUE(hasPaletteDepth(header)) << bits;
    }
    for (std::uint16_t bits : {0, 2, 16, 24, 32}) {
        header.bitsPerPixel = bits;
        EXPECT_FALSE(hasPaletteDepth(header)) << bits;
    }
}

TEST(BmpDepth, TrueColourPicturesAreLaidOutWithoutATable) {
    Picture picture;
    picture.width = 5;
    picture.height = 3;
    picture.bitsPerPixel = 24;
    picture.pixels.assign(testbmp::rowBytes(5, 24) * 3, 0);
    BmpLayout layout = layoutOf(testbmp::fileOf(picture));
    EXPECT_EQ(layout.colourCount, 0u);
    EXPECT_EQ(layout.pixelOffset, 54u);
    EXPECT_EQ(layout.rowBytes, 16u);
    picture.pixels.pop_back();
    EXPECT_FALSE(plans(testbmp::fileOf(picture)));
}

TEST(BmpDepth, BitFieldMasksFollowAFortyByteInfoHeader) {
    Picture picture;
    picture.width = 2;
    picture.height = 2;
    picture.bitsPerPixel = 16;
    picture.compression = kBmpBitFields;
    picture.gap = 12;
    picture.pixels.assign(8, 0);
    EXPECT_EQ(layoutOf(testbmp::fileOf(picture)).pixelOffset, 66u);
    picture.gap = 0;
    picture.pixelOffsetPointsAtPixels = false;
    EXPECT_FALSE(plans(testbmp::fileOf(picture)));
}

TEST(BmpColourTable, EntriesAreStoredBlueGreenRedReserved) {
    Picture picture = testbmp::patterned(2, 2, 1);
    picture.table = {{10, 20, 30, 0}, {40, 50, 60, 4}};
    Bytes file = testbmp::fileOf(picture);
    BmpLayout layout = layoutOf(file);
    BmpColour first = bmpColourAt(file.data(), layout, 0);
    BmpColour second = bmpColourAt(file.data(), layout, 1);
    EXPECT_EQ(first.red, 30);
    EXPECT_EQ(first.green, 20);
    EXPECT_EQ(first.blue, 10);
    EXPECT_EQ(first.reserved, 0);
    EXPECT_EQ(second.red, 60);
    EXPECT_EQ(second.reserved, 4);
}

namespace {

using Size = std::pair<std::size_t, std::size_t>;

// The window's size for a whole file, or (0, 0) when it has none.
Size windowSizeOf(const Bytes& file) {
    BmpHeader header{};
    std::size_t width = 0;
    std::size_t rows = 0;
    if (!readBmpHeader(file.data(), file.size(), header) ||
        !bmpWindowSize(header, file.size(), width, rows))
        return {0, 0};
    return {width, rows};
}

} // namespace

TEST(BmpWindowSize, DrawnPictureIsSizedOnlyWhenItsFileHoldsItAll) {
    for (std::uint16_t bits : {1, 4, 8}) {
        Bytes info = testbmp::fileOf(testbmp::patterned(21, -13, bits));
        Bytes core = testbmp::coreFileOf(testbmp::patterned(21, 13, bits));
        for (Bytes* file : {&info, &core}) {
            EXPECT_EQ(windowSizeOf(*file), Size(21, 13)) << bits;
            file->pop_back();
            EXPECT_EQ(windowSizeOf(*file), Size(0, 0)) << bits;
        }
    }
}

TEST(BmpWindowSize, PictureRefusedForItsDepthOrCompressionIsSizedByItsHeaderAlone) {
    // JPEG (4) or PNG (5) inside, OS/2 runs of 24-bit pixels (4), 16 and 32 bits without
    // their masks, 64 bits, 24 bits cut short, an unknown code.
    const std::pair<std::uint16_t, std::uint32_t> forms[] = {{24, 4}, {0, 4},  {0, 5},  {16, 3},
                                                             {32, 3}, {64, 0}, {24, 0}, {24, 99}};
    for (auto [bits, compression] : forms)
        EXPECT_EQ(windowSizeOf(testbmp::refusedForm(300, -200, bits, compression)), Size(300, 200))
            << bits << " bits, compression " << compression;
    Bytes coreTrueColour = testbmp::coreFileOf(testbmp::patterned(40, 30, 1));
    testbmp::put16(coreTrueColour, 24, 24);
    EXPECT_EQ(windowSizeOf(coreTrueColour), Size(40, 30));
    // Palette depths stored in a way that is not decoded: JPEG, runs stored top-down, OS/2
    // Huffman (1 bit, 3) behind a 64-byte header.
    Picture jpegIndexed = testbmp::patterned(12, 10, 8);
    jpegIndexed.compression = 4;
    Picture topDownRuns = testbmp::patterned(12, -10, 8);
    topDownRuns.compression = kBmpRle8;
    topDownRuns.imageSize = 1;
    Picture huffman = testbmp::patterned(12, 10, 1);
    huffman.infoSize = 64;
    huffman.compression = 3;
    huffman.pixels.resize(2);
    for (const Picture& picture : {jpegIndexed, topDownRuns, huffman}) {
        EXPECT_FALSE(plans(testbmp::fileOf(picture))) << picture.compression;
        EXPECT_EQ(windowSizeOf(testbmp::fileOf(picture)), Size(12, 10)) << picture.compression;
    }
}

TEST(BmpWindowSize, RefusedDepthWhoseFileEndsWithItsHeaderIsSizedByIt) {
    Picture bare; // no table, no pixels: the file is its headers alone
    bare.width = 30;
    bare.height = 20;
    bare.bitsPerPixel = 24;
    for (const Bytes& file : {testbmp::fileOf(bare), testbmp::coreFileOf(bare)})
        EXPECT_EQ(windowSizeOf(file), Size(30, 20)) << file.size() << " bytes";
}

TEST(BmpWindowSize, HeaderWithoutAUsableSizeOrOutsideTheFileGivesNone) {
    const std::pair<std::int32_t, std::int32_t> sides[] = {
        {0, 20}, {-30, 20}, {30, 0}, {32768, 20}, {30, -32768}, {30, INT32_MIN}, {INT32_MAX, 1}};
    for (auto [width, height] : sides)
        EXPECT_EQ(windowSizeOf(testbmp::refusedForm(width, height, 24, 4)), Size(0, 0))
            << width << " by " << height;
    EXPECT_EQ(windowSizeOf(testbmp::refusedForm(32767, -32767, 24, 4)), Size(32767, 32767));
    Bytes beyond = testbmp::refusedForm(30, 20, 24, 4);
    testbmp::put32(beyond, 14, static_cast<std::uint32_t>(beyond.size() - 13));
    EXPECT_EQ(windowSizeOf(beyond), Size(0, 0));
    // A core picture taller than a window can be is drawn, but not sized.
    Bytes tall = testbmp::coreFileOf(testbmp::patterned(8, 40000, 1));
    EXPECT_TRUE(plans(tall));
    EXPECT_EQ(windowSizeOf(tall), Size(0, 0));
}
