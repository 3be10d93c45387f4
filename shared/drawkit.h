#pragma once
// The drawing kit: 16 classic colours, each with a solid pen of width 1 and a solid brush,
// created once per window or dialog and referred to by index everywhere.
#include <windows.h>

#include <array>

constexpr int kKitSize = 16;

// Kit colour indices used by the painting code.
enum KitColour : int {
    kBlack = 0,
    kNavy = 1,
    kDarkGreen = 2,
    kTeal = 3,
    kMaroon = 4,
    kPurple = 5,
    kOlive = 6,
    kSilver = 7,
    kGrey = 8,
    kBlue = 9,
    kGreen = 10,
    kAqua = 11,
    kRed = 12,
    kFuchsia = 13,
    kYellow = 14,
    kWhite = 15,
};

constexpr std::array<COLORREF, kKitSize> kKitColours = {
    RGB(0, 0, 0),       RGB(0, 0, 128),   RGB(0, 128, 0),   RGB(0, 128, 128),
    RGB(128, 0, 0),     RGB(128, 0, 128), RGB(128, 128, 0), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(0, 0, 255),   RGB(0, 255, 0),   RGB(0, 255, 255),
    RGB(255, 0, 0),     RGB(255, 0, 255), RGB(255, 255, 0), RGB(255, 255, 255),
};

struct DrawingKit {
    std::array<COLORREF, kKitSize> colour;
    std::array<HPEN, kKitSize> pen;
    std::array<HBRUSH, kKitSize> brush;
};

extern DrawingKit drawingKit;

// Creates the 32 objects, or deletes them (brush k, then pen k).
void setDrawingKit(bool create);
