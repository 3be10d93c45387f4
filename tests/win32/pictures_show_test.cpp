#include "gdi_count.h"
#include "pictures_support.h"

#include "player/bmpview.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using testbmp::Bytes;
using testbmp::Picture;

namespace {

// Every pixel of the canvas: the picture's own colour inside its rectangle at the top-left
// corner, and the canvas colour outside.
void expectPictureAt(const Canvas& canvas, const Picture& picture, COLORREF outside = kWhite) {
    int rows = picture.height < 0 ? -picture.height : picture.height;
    int wrong = 0;
    for (int y = 0; y < canvas.height; ++y) {
        for (int x = 0; x < canvas.width; ++x) {
            COLORREF expected = outside;
            if (x < picture.width && y < rows)
                expected =
                    colourRef(testbmp::colourOf(picture, testbmp::patternIndex(picture, x, y)));
            if (canvas.at(x, y) != expected && ++wrong <= 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex
                              << canvas.at(x, y) << ", expected " << expected;
        }
    }
    EXPECT_EQ(wrong, 0);
}

class PictureShown : public ::testing::Test {
  protected:
    BoxRecorder boxes;
    PaletteRecorder palettes;
};

class PictureDepths : public PictureShown,
                      public ::testing::WithParamInterface<std::tuple<int, bool>> {};

} // namespace

TEST_P(PictureDepths, EveryPixelComesFromTheFileInItsPlace) {
    auto [bits, topDown] = GetParam();
    Picture picture = testbmp::patterned(13, topDown ? -7 : 7, static_cast<std::uint16_t>(bits));
    TempFile file(testbmp::fileOf(picture));
    Canvas canvas(20, 11);
    EXPECT_EQ(ShowBmpFile(canvas.dc, file.path.c_str()), 1);
    expectPictureAt(canvas, picture);
    EXPECT_TRUE(boxes.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(OneFourAndEightBits, PictureDepths,
                         ::testing::Combine(::testing::Values(1, 4, 8), ::testing::Bool()),
                         [](const auto& test) {
                             return std::to_string(std::get<0>(test.param)) + "Bits" +
                                    (std::get<1>(test.param) ? "TopDown" : "BottomUp");
                         });

TEST_F(PictureShown, PaletteHoldsTheColourTableWhileThePictureIsCopied) {
    for (std::uint16_t bits : {1, 4, 8}) {
        PaletteRecorder::calls.clear();
        Picture picture = testbmp::patterned(4, 4, bits);
        TempFile file(testbmp::fileOf(picture));
        Canvas canvas(4, 4);
        HGDIOBJ original = GetCurrentObject(canvas.dc, OBJ_PAL);
        ASSERT_EQ(ShowBmpFile(canvas.dc, file.path.c_str()), 1);
        ASSERT_EQ(PaletteRecorder::calls.size(), 2u) << bits;
        const PaletteCall& chosen = PaletteRecorder::calls[0];
        EXPECT_EQ(chosen.dc, canvas.dc);
        EXPECT_FALSE(chosen.background);
        ASSERT_EQ(chosen.entries.size(), picture.table.size()) << bits;
        for (std::size_t i = 0; i < picture.table.size(); ++i) {
            testbmp::Rgb colour = testbmp::colourOf(picture, static_cast<std::uint32_t>(i));
            EXPECT_EQ(chosen.entries[i].peRed, colour.red) << i;
            EXPECT_EQ(chosen.entries[i].peGreen, colour.green) << i;
            EXPECT_EQ(chosen.entries[i].peBlue, colour.blue) << i;
            EXPECT_EQ(chosen.entries[i].peFlags, 0) << i;
        }
        // The palette it replaced goes back, and the picture's own is gone after the paint.
        EXPECT_EQ(PaletteRecorder::calls[1].palette, original);
        EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_PAL), original);
        EXPECT_EQ(GetObjectType(chosen.palette), 0u);
    }
}

TEST_F(PictureShown, ReservedByteOfATableEntryBecomesThePaletteFlags) {
    Picture picture = testbmp::patterned(4, 2, 1);
    picture.table = {{10, 20, 30, PC_NOCOLLAPSE}, {40, 50, 60, PC_RESERVED}};
    TempFile file(testbmp::fileOf(picture));
    Canvas canvas(4, 2);
    ASSERT_EQ(ShowBmpFile(canvas.dc, file.path.c_str()), 1);
    ASSERT_FALSE(PaletteRecorder::calls.empty());
    const auto& entries = PaletteRecorder::calls[0].entries;
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].peFlags, PC_NOCOLLAPSE);
    EXPECT_EQ(entries[0].peRed, 30);
    EXPECT_EQ(entries[1].peFlags, PC_RESERVED);
    EXPECT_EQ(entries[1].peBlue, 40);
}

TEST_F(PictureShown, PaletteIsRealisedAgainAtEveryPaint) {
    Picture picture = testbmp::patterned(4, 2, 4);
    TempFile file(testbmp::fileOf(picture));
    Canvas canvas(4, 2);
    for (int paint = 0; paint < 3; ++paint)
        ASSERT_EQ(ShowBmpFile(canvas.dc, file.path.c_str()), 1);
    EXPECT_EQ(PaletteRecorder::calls.size(), 6u);
}

TEST_F(PictureShown, ShortColourTableOfTheColoursUsedCountIsHonoured) {
    Picture picture = testbmp::patterned(16, 4, 8);
    picture.coloursUsed = 16;
    picture.table.resize(16);
    picture.pixels = testbmp::packRows(
        16, 4, 8, false, [](int x, int y) { return static_cast<std::uint32_t>(x + 3 * y) % 16; });
    TempFile file(testbmp::fileOf(picture));
    Canvas canvas(16, 4);
    ASSERT_EQ(ShowBmpFile(canvas.dc, file.path.c_str()), 1);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 16; ++x) {
            auto index = static_cast<std::uint32_t>(x + 3 * y) % 16;
            ASSERT_EQ(canvas.at(x, y), colourRef(testbmp::colourOf(picture, index)))
                << x << ", " << y;
        }
    }
    ASSERT_FALSE(PaletteRecorder::calls.empty());
    EXPECT_EQ(PaletteRecorder::calls[0].entries.size(), 16u);
}

TEST_F(PictureShown, PixelsStartAtTheFilesPixelOffset) {
    Picture picture = testbmp::patterned(9, 3, 4);
    picture.gap = 22;
    TempFile file(testbmp::fileOf(picture));
    Canvas canvas(9, 3);
    ASSERT_EQ(ShowBmpFile(canvas.dc, file.path.c_str()), 1);
    expectPictureAt(canvas, picture);
}

TEST_F(PictureShown, TableFollowsALargerInfoHeader) {
    Picture picture = testbmp::patterned(9, -3, 8);
    picture.infoSize = 124;
    TempFile file(testbmp::fileOf(picture));
    Canvas canvas(9, 3);
    ASSERT_EQ(ShowBmpFile(canvas.dc, file.path.c_str()), 1);
    expectPictureAt(canvas, picture);
}

TEST_F(PictureShown, ColoursUsedAboveTheDepthMeansTheFullTable) {
    Picture picture = testbmp::patterned(8, 2, 1);
    picture.coloursUsed = 200; // only 2 entries are in the file
    TempFile file(testbmp::fileOf(picture));
    Canvas canvas(8, 2);
    ASSERT_EQ(ShowBmpFile(canvas.dc, file.path.c_str()), 1);
    expectPictureAt(canvas, picture);
    EXPECT_EQ(PaletteRecorder::calls[0].entries.size(), 2u);
}

TEST_F(PictureShown, RunLengthPicturesAreDecodedWithinTheirImageSize) {
    Picture picture = testbmp::patterned(4, 2, 8);
    picture.compression = 1;
    // Bottom row: four pixels of index 5; top row: two of 7 and two of 9; end of picture.
    picture.pixels = {4, 5, 0, 0, 2, 7, 2, 9, 0, 1};
    picture.imageSize = static_cast<std::uint32_t>(picture.pixels.size());
    TempFile file(testbmp::fileOf(picture));
    Canvas canvas(4, 2);
    ASSERT_EQ(ShowBmpFile(canvas.dc, file.path.c_str()), 1);
    EXPECT_EQ(canvas.at(0, 1), colourRef(testbmp::colourOf(picture, 5)));
    EXPECT_EQ(canvas.at(3, 1), colourRef(testbmp::colourOf(picture, 5)));
    EXPECT_EQ(canvas.at(1, 0), colourRef(testbmp::colourOf(picture, 7)));
    EXPECT_EQ(canvas.at(2, 0), colourRef(testbmp::colourOf(picture, 9)));
}

TEST_F(PictureShown, ReadOnlyFileIsShownWithoutABox) {
    Picture picture = testbmp::patterned(6, 3, 8);
    TempFile file(testbmp::fileOf(picture));
    ASSERT_TRUE(SetFileAttributesA(file.path.c_str(), FILE_ATTRIBUTE_READONLY));
    Canvas canvas(6, 3);
    EXPECT_EQ(ShowBmpFile(canvas.dc, file.path.c_str()), 1);
    expectPictureAt(canvas, picture);
    EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(PictureShown, FileThatAnotherProgramHasOpenForWritingIsShown) {
    Picture picture = testbmp::patterned(6, 3, 4);
    TempFile file(testbmp::fileOf(picture));
    HANDLE writer = CreateFileA(file.path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    Canvas canvas(6, 3);
    EXPECT_EQ(ShowBmpFile(canvas.dc, file.path.c_str()), 1);
    CloseHandle(writer);
    expectPictureAt(canvas, picture);
    EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(PictureShown, FileIsReadAnewAtEveryPaintAndClosedAfterIt) {
    Picture first = testbmp::patterned(5, 5, 4);
    Picture second = testbmp::patterned(5, 5, 4);
    std::reverse(second.table.begin(), second.table.end());
    TempFile file(testbmp::fileOf(first));
    Canvas canvas(5, 5);
    ASSERT_EQ(ShowBmpFile(canvas.dc, file.path.c_str()), 1);
    expectPictureAt(canvas, first);
    file.rewrite(testbmp::fileOf(second)); // needs the paint to have let the file go
    ASSERT_EQ(ShowBmpFile(canvas.dc, file.path.c_str()), 1);
    expectPictureAt(canvas, second);
    EXPECT_TRUE(DeleteFileA(file.path.c_str()));
}

TEST_F(PictureShown, PaintsHoldNoGdiObjectsAfterwards) {
    Picture picture = testbmp::patterned(6, 3, 8);
    TempFile file(testbmp::fileOf(picture));
    Canvas canvas(6, 3);
    ASSERT_EQ(ShowBmpFile(canvas.dc, file.path.c_str()), 1); // some objects are made lazily
    int before = gdiObjectCount();
    for (int paint = 0; paint < 20; ++paint)
        ShowBmpFile(canvas.dc, file.path.c_str());
    EXPECT_EQ(gdiObjectCount(), before);
}

namespace {

class PictureRefused : public PictureShown {
  protected:
    // The canvas is left white and no message box is shown.
    void expectNothingDrawn(const Bytes& bytes) {
        TempFile file(bytes);
        Canvas canvas(24, 24);
        EXPECT_EQ(ShowBmpFile(canvas.dc, file.path.c_str()), 0);
        EXPECT_EQ(canvas.countOther(0, 0, 24, 24, kWhite), 0);
        EXPECT_TRUE(boxes.calls.empty());
        EXPECT_TRUE(PaletteRecorder::calls.empty());
    }
};

} // namespace

TEST_F(PictureRefused, MissingFileShowsPathNotFoundAtEveryPaint) {
    std::string path = missingPath();
    Canvas canvas(8, 8);
    EXPECT_EQ(ShowBmpFile(canvas.dc, path.c_str()), 0);
    EXPECT_EQ(ShowBmpFile(canvas.dc, path.c_str()), 0);
    ASSERT_EQ(boxes.calls.size(), 2u);
    EXPECT_EQ(boxes.calls[0].text, "Path not found");
    EXPECT_EQ(boxes.calls[0].caption, "CallWAVE");
    EXPECT_EQ(boxes.calls[0].flags, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(boxes.calls[0].owner, nullptr);
    EXPECT_EQ(canvas.countOther(0, 0, 8, 8, kWhite), 0);
}

TEST_F(PictureRefused, EmptyFileShowsOutOfMemory) {
    TempFile file({});
    Canvas canvas(8, 8);
    EXPECT_EQ(ShowBmpFile(canvas.dc, file.path.c_str()), 0);
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.calls[0].text, "Out of memory");
    EXPECT_EQ(boxes.calls[0].caption, "CallWAVE");
    EXPECT_EQ(canvas.countOther(0, 0, 8, 8, kWhite), 0);
    EXPECT_TRUE(DeleteFileA(file.path.c_str())) << "the file was left open";
}

TEST_F(PictureRefused, TrueColourPictureWritesTooManyColoursAtEightEight) {
    Picture picture;
    picture.width = 40;
    picture.height = 30;
    picture.bitsPerPixel = 24;
    picture.pixels = testbmp::packRows(40, 30, 24, false, [](int, int) { return 0x102030u; });
    TempFile file(testbmp::fileOf(picture));
    Canvas shown(200, 40);
    EXPECT_EQ(ShowBmpFile(shown.dc, file.path.c_str()), 0);
    EXPECT_TRUE(boxes.calls.empty());
    Canvas expected(200, 40);
    TextOutA(expected.dc, 8, 8, "Too many colors ...", 19);
    ASSERT_GT(expected.countOther(0, 0, 200, 40, kWhite), 0);
    EXPECT_EQ(shown.countOther(0, 0, 200, 8, kWhite), 0);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 200; ++x)
            ASSERT_EQ(shown.at(x, y), expected.at(x, y)) << x << ", " << y;
    }
}

TEST_F(PictureRefused, OtherDepthsAlsoWriteTheTextAndNoBox) {
    for (std::uint16_t bits : {2, 16, 32}) {
        Picture picture;
        picture.width = 4;
        picture.height = 4;
        picture.bitsPerPixel = bits;
        picture.pixels.assign(testbmp::rowBytes(4, bits) * 4, 0);
        TempFile file(testbmp::fileOf(picture));
        Canvas canvas(200, 40);
        EXPECT_EQ(ShowBmpFile(canvas.dc, file.path.c_str()), 0);
        EXPECT_GT(canvas.countOther(8, 8, 200, 40, kWhite), 0) << bits;
        EXPECT_EQ(canvas.countOther(0, 0, 200, 8, kWhite), 0) << bits;
    }
    EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(PictureRefused, FileShortOfItsPixelRowsDrawsNothing) {
    for (std::uint16_t bits : {1, 4, 8}) {
        Bytes bytes = testbmp::fileOf(testbmp::patterned(9, -9, bits));
        bytes.pop_back();
        expectNothingDrawn(bytes);
    }
}

TEST_F(PictureRefused, FileCutInsideItsHeadersOrTableDrawsNothing) {
    Bytes whole = testbmp::fileOf(testbmp::patterned(4, 4, 8));
    for (std::size_t size : {1u, 13u, 30u, 53u, 54u, 500u, 1077u})
        expectNothingDrawn(Bytes(whole.begin(), whole.begin() + size));
}

TEST_F(PictureRefused, HeaderDeclaringAGiantPictureDrawsNothing) {
    Bytes bytes = testbmp::fileOf(testbmp::patterned(4, 4, 8));
    testbmp::put32(bytes, 18, 30000);
    testbmp::put32(bytes, 22, 30000);
    expectNothingDrawn(bytes);
    testbmp::put32(bytes, 18, 0x7FFFFFFF);
    testbmp::put32(bytes, 22, 0x80000000u);
    expectNothingDrawn(bytes);
}

namespace {

class CorePictureDepths : public PictureShown, public ::testing::WithParamInterface<int> {};

} // namespace

TEST_P(CorePictureDepths, EveryPixelAndThePaletteComeFromTheCoreFile) {
    auto bits = static_cast<std::uint16_t>(GetParam());
    Picture picture = testbmp::patterned(13, 7, bits);
    TempFile file(testbmp::coreFileOf(picture));
    Canvas canvas(20, 11);
    EXPECT_EQ(ShowBmpFile(canvas.dc, file.path.c_str()), 1);
    expectPictureAt(canvas, picture);
    EXPECT_TRUE(boxes.calls.empty());
    ASSERT_EQ(PaletteRecorder::calls.size(), 2u);
    const auto& entries = PaletteRecorder::calls[0].entries;
    ASSERT_EQ(entries.size(), picture.table.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        testbmp::Rgb colour = testbmp::colourOf(picture, static_cast<std::uint32_t>(i));
        EXPECT_EQ(RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue), colourRef(colour))
            << i;
        EXPECT_EQ(entries[i].peFlags, 0) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(OneFourAndEightBits, CorePictureDepths, ::testing::Values(1, 4, 8),
                         [](const auto& test) { return std::to_string(test.param) + "Bits"; });

TEST_F(PictureShown, CorePixelsStartAtThePixelOffsetAndEveryHeightIsBottomUp) {
    Picture gapped = testbmp::patterned(9, 3, 4);
    gapped.gap = 7;
    Picture tall = testbmp::patterned(8, 40000, 1); // above the signed 16-bit range
    for (const Picture* picture : {&gapped, &tall}) {
        TempFile file(testbmp::coreFileOf(*picture));
        Canvas canvas(picture->width, 3); // the picture's top rows
        ASSERT_EQ(ShowBmpFile(canvas.dc, file.path.c_str()), 1);
        expectPictureAt(canvas, *picture);
    }
}

TEST_F(PictureRefused, CoreFileShortOfItsPixelsOrTableDrawsNothing) {
    Bytes whole = testbmp::coreFileOf(testbmp::patterned(9, 9, 8));
    for (std::size_t size : {whole.size() - 1, std::size_t{400}})
        expectNothingDrawn(Bytes(whole.begin(), whole.begin() + size));
}

TEST_F(PictureRefused, FormsThatAreNotDrawnWriteTheTextOnlyForTheirDepth) {
    Bytes coreTrueColour = testbmp::coreFileOf(testbmp::patterned(4, 4, 1));
    testbmp::put16(coreTrueColour, 24, 24);
    for (const Bytes& bytes : {testbmp::refusedForm(40, 30, 24, BI_JPEG),
                               testbmp::refusedForm(40, 30, 0, BI_PNG), coreTrueColour}) {
        TempFile file(bytes);
        Canvas canvas(200, 40);
        EXPECT_EQ(ShowBmpFile(canvas.dc, file.path.c_str()), 0);
        EXPECT_GT(canvas.countOther(8, 8, 200, 40, kWhite), 0) << bytes.size();
        EXPECT_EQ(canvas.countOther(0, 0, 200, 8, kWhite), 0) << bytes.size();
    }
    EXPECT_TRUE(boxes.calls.empty());
    // 2, 16 or 256 colours in a form the platform does not draw either: OS/2 2.x headers of
    // 16 to 39 bytes, OS/2 Huffman (1 bit, 3), JPEG behind an 8-bit header.
    Picture shortHeader = testbmp::patterned(4, 4, 8);
    shortHeader.infoSize = 16;
    Picture huffman = testbmp::patterned(8, 4, 1);
    huffman.infoSize = 64;
    huffman.compression = 3;
    Picture jpegIndexed = testbmp::patterned(4, 4, 8);
    jpegIndexed.compression = BI_JPEG;
    for (const Picture& picture : {shortHeader, huffman, jpegIndexed})
        expectNothingDrawn(testbmp::fileOf(picture));
}
