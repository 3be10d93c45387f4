#include "gdi_count.h"
#include "pictures_support.h"

#include "player/resbitmap.h"
#include "player/state.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A colour that none of the player's bitmaps uses.
constexpr COLORREF kMarker = RGB(1, 2, 3);

constexpr COLORREF kFaceColours[] = {RGB(0, 0, 0), RGB(192, 192, 192), RGB(128, 128, 128),
                                     RGB(255, 255, 255)};

bool isFaceColour(COLORREF colour) {
    for (COLORREF face : kFaceColours) {
        if (colour == face)
            return true;
    }
    return false;
}

// The resource's own pixels, top row first, read without drawing it.
std::vector<COLORREF> resourcePixels(const char* name, int& width, int& height) {
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), name);
    BITMAP size = {};
    GetObjectA(bitmap, sizeof size, &size);
    width = size.bmWidth;
    height = size.bmHeight;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<DWORD> bits(static_cast<std::size_t>(width) * height);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, height, bits.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    std::vector<COLORREF> pixels;
    for (DWORD pixel : bits)
        pixels.push_back(RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
    return pixels;
}

class ResourceBitmap : public ::testing::Test {
  protected:
    void SetUp() override { player.instance = GetModuleHandleA(nullptr); }
    void TearDown() override { player.instance = nullptr; }
};

} // namespace

TEST_F(ResourceBitmap, StopAtTheBandFillsExactlyItsTwentyByTwentySquare) {
    Canvas canvas(128, 148, kMarker);
    EXPECT_EQ(DrawResourceBitmap(canvas.dc, "STOP", 88, 128), 1);
    for (int y = 0; y < 148; ++y) {
        for (int x = 0; x < 128; ++x) {
            bool inside = x >= 88 && x <= 107 && y >= 128 && y <= 147;
            if (inside)
                ASSERT_TRUE(isFaceColour(canvas.at(x, y))) << x << ", " << y;
            else
                ASSERT_EQ(canvas.at(x, y), kMarker) << x << ", " << y;
        }
    }
}

TEST_F(ResourceBitmap, EachBitmapIsCopiedWholeAtItsOwnSizeAndPlace) {
    struct Case {
        const char* name;
        int size;
    };
    for (Case item : {Case{"PLAY", 20}, Case{"PAUSE", 20}, Case{"STOP", 20}, Case{"WAVE", 128}}) {
        int width = 0;
        int height = 0;
        std::vector<COLORREF> own = resourcePixels(item.name, width, height);
        ASSERT_EQ(width, item.size) << item.name;
        ASSERT_EQ(height, item.size) << item.name;
        Canvas canvas(item.size + 7, item.size + 5, kMarker);
        ASSERT_EQ(DrawResourceBitmap(canvas.dc, item.name, 3, 2), 1) << item.name;
        for (int y = 0; y < canvas.height; ++y) {
            for (int x = 0; x < canvas.width; ++x) {
                bool inside = x >= 3 && x < 3 + width && y >= 2 && y < 2 + height;
                COLORREF expected = inside ? own[(y - 2) * width + (x - 3)] : kMarker;
                ASSERT_EQ(canvas.at(x, y), expected) << item.name << " " << x << ", " << y;
            }
        }
    }
}

TEST_F(ResourceBitmap, BitmapCutByTheContextEdgeIsDrawnWithoutStretching) {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> own = resourcePixels("WAVE", width, height);
    Canvas canvas(100, 100, kMarker);
    ASSERT_EQ(DrawResourceBitmap(canvas.dc, "WAVE", -10, 20), 1);
    for (int y = 20; y < 100; ++y) {
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(canvas.at(x, y), own[(y - 20) * width + (x + 10)]) << x << ", " << y;
    }
    EXPECT_EQ(canvas.countOther(0, 0, 100, 20, kMarker), 0);
}

TEST_F(ResourceBitmap, UnknownNameReturnsZeroAndChangesNoPixel) {
    Canvas canvas(40, 40, kMarker);
    EXPECT_EQ(DrawResourceBitmap(canvas.dc, "NOSUCH", 0, 0), 0);
    EXPECT_EQ(DrawResourceBitmap(canvas.dc, "ICOAPPLI", 0, 0), 0); // an icon, not a bitmap
    EXPECT_EQ(canvas.countOther(0, 0, 40, 40, kMarker), 0);
}

TEST_F(ResourceBitmap, ResourcesAreSearchedInThePlayersInstance) {
    player.instance = GetModuleHandleA("kernel32.dll");
    Canvas canvas(20, 20, kMarker);
    EXPECT_EQ(DrawResourceBitmap(canvas.dc, "STOP", 0, 0), 0);
    EXPECT_EQ(canvas.countOther(0, 0, 20, 20, kMarker), 0);
}

TEST_F(ResourceBitmap, DrawingHoldsNoGdiObjectsAfterwards) {
    Canvas canvas(148, 148);
    ASSERT_EQ(DrawResourceBitmap(canvas.dc, "WAVE", 0, 0), 1);
    int before = gdiObjectCount();
    for (int tick = 0; tick < 20; ++tick) {
        DrawResourceBitmap(canvas.dc, "PAUSE", 108, 128);
        DrawResourceBitmap(canvas.dc, "STOP", 88, 128);
    }
    EXPECT_EQ(gdiObjectCount(), before);
}
