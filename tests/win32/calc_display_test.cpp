// paintDisplay and its drawing helpers, painted into a DIB section of known size.
#include "calc_driver.h"
#include "calc/dialog.h"
#include "calc/display.h"
#include "drawkit.h"
#include "gdi_count.h"
#include "calc/keypad.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 40;
constexpr int kMargin = 10; // room around the item to see that nothing is painted there
constexpr COLORREF kUntouched = RGB(90, 60, 30);

// A 32-bit top-down DIB section selected into a memory context; the item rectangle sits at
// (kMargin, kMargin) through the viewport origin, so the paint's (0, 0) is the item's corner.
class Canvas {
  public:
    Canvas() {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kWidth + 2 * kMargin;
        info.bmiHeader.biHeight = -(kHeight + 2 * kMargin);
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        pixels = static_cast<DWORD*>(bits);
        old = SelectObject(dc, bitmap);
        HBRUSH fill = CreateSolidBrush(kUntouched);
        RECT all = {0, 0, kWidth + 2 * kMargin, kHeight + 2 * kMargin};
        FillRect(dc, &all, fill);
        DeleteObject(fill);
        SetViewportOrgEx(dc, kMargin, kMargin, nullptr);
    }
    ~Canvas() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    // The colour at item coordinates (x, y), as a COLORREF.
    COLORREF at(int x, int y) const {
        GdiFlush();
        DWORD p = pixels[(y + kMargin) * (kWidth + 2 * kMargin) + x + kMargin];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    DRAWITEMSTRUCT item(UINT id = kIdDisplay, UINT action = ODA_DRAWENTIRE) const {
        DRAWITEMSTRUCT record = {};
        record.CtlType = ODT_STATIC;
        record.CtlID = id;
        record.itemAction = action;
        record.hDC = dc;
        record.rcItem = {0, 0, kWidth, kHeight};
        return record;
    }
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    DWORD* pixels = nullptr;
};

BOOL WINAPI silentBeep(UINT) {
    return TRUE;
}

bool isText(COLORREF c) {
    return GetRValue(c) == 0 && GetBValue(c) == 0 && GetGValue(c) > 0;
}

struct Ink {
    int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1, count = 0;
};

// Where the green text lies inside the panel's outline.
Ink findInk(const Canvas& canvas) {
    Ink ink;
    for (int y = 1; y < kHeight - 2; ++y)
        for (int x = 1; x < kWidth - 2; ++x)
            if (isText(canvas.at(x, y))) {
                ++ink.count;
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
    return ink;
}

// The text's measured width in the display font of a 160 by 40 panel.
int measuredWidth(const char* text) {
    HDC dc = CreateCompatibleDC(nullptr);
    LOGFONTA description = displayFont(kWidth - 16, kHeight - 16);
    HFONT font = CreateFontIndirectA(&description);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE extent = {};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &extent);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    return extent.cx;
}

std::string shownText() {
    char text[100] = "";
    displayText(calc, text, sizeof text);
    return text;
}

class CalcDisplay : public ::testing::Test {
  protected:
    void SetUp() override {
        setDrawingKit(true);
        std::memset(&calc, 0, sizeof calc);
    }
    void TearDown() override { setDrawingKit(false); }
    void paint(UINT id = kIdDisplay, UINT action = ODA_DRAWENTIRE) {
        DRAWITEMSTRUCT record = canvas.item(id, action);
        paintDisplay(nullptr, &record);
    }
    Canvas canvas;
};

} // namespace

TEST_F(CalcDisplay, PanelIsBlackInsideAOnePixelWhiteOutline) {
    paint();
    // Rectangle(0, 0, right - 1, bottom - 1): the outline runs on columns 0 and right - 2.
    for (int x = 0; x <= kWidth - 2; ++x) {
        EXPECT_EQ(canvas.at(x, 0), RGB(255, 255, 255)) << x;
        EXPECT_EQ(canvas.at(x, kHeight - 2), RGB(255, 255, 255)) << x;
    }
    for (int y = 0; y <= kHeight - 2; ++y) {
        EXPECT_EQ(canvas.at(0, y), RGB(255, 255, 255)) << y;
        EXPECT_EQ(canvas.at(kWidth - 2, y), RGB(255, 255, 255)) << y;
    }
    for (int y = 1; y < kHeight - 2; ++y)
        for (int x = 1; x < kWidth - 2; ++x)
            if (!isText(canvas.at(x, y))) {
                ASSERT_EQ(canvas.at(x, y), RGB(0, 0, 0)) << x << "," << y;
            }
}

TEST_F(CalcDisplay, NothingIsPaintedOutsideTheItem) {
    calc.Accum = -1e13;
    paint();
    for (int y = -kMargin; y < kHeight + kMargin; ++y)
        for (int x = -kMargin; x < kWidth + kMargin; ++x)
            if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) {
                ASSERT_EQ(canvas.at(x, y), kUntouched) << x << "," << y;
            }
}

TEST_F(CalcDisplay, FontForA160By40PanelIs24HighAnd7Wide) {
    LOGFONTA font = displayFont(kWidth - 16, kHeight - 16);
    EXPECT_EQ(font.lfHeight, 24);
    EXPECT_EQ(font.lfWidth, 7);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_EQ(font.lfItalic, 0);
    EXPECT_EQ(font.lfUnderline, 0);
    EXPECT_EQ(font.lfStrikeOut, 0);
    EXPECT_EQ(font.lfEscapement, 0);
    EXPECT_EQ(font.lfCharSet, ANSI_CHARSET);
    EXPECT_EQ(font.lfQuality, DRAFT_QUALITY);
    EXPECT_STREQ(font.lfFaceName, "Venus");
}

TEST_F(CalcDisplay, FontWidthUsesIntegerDivisions) {
    // 17 * 115 / 100 is 19 in integers; 117 / 19.55 would round down to 5.
    LOGFONTA font = displayFont(117, 31);
    EXPECT_EQ(font.lfHeight, 31);
    EXPECT_EQ(font.lfWidth, 6);
}

TEST_F(CalcDisplay, PanelNarrowerThanItsColumnsGetsNoFontAndNoText) {
    EXPECT_EQ(displayFont(18, 24).lfWidth, 0);
    EXPECT_EQ(displayFont(144, 0).lfHeight, 0);
    EXPECT_EQ(drawDisplayText(canvas.dc, "12", 18, 24), 0);
    EXPECT_EQ(drawDisplayText(canvas.dc, "12", 144, 0), 0);
    EXPECT_EQ(findInk(canvas).count, 0);
}

TEST_F(CalcDisplay, TextEndsAt152WithItsTopAt8) {
    calc.Accum = -1e13; // "-10000000000000": every column is ink
    paint();
    Ink ink = findInk(canvas);
    ASSERT_GT(ink.count, 0);
    int left = (kWidth - 16) + 8 - measuredWidth(shownText().c_str());
    EXPECT_GE(ink.left, left);
    EXPECT_LE(ink.left, left + 7); // the "-" starts in the first column
    EXPECT_LT(ink.right, 152);
    EXPECT_GE(ink.right, 152 - 7);
    EXPECT_GE(ink.top, 8);
    EXPECT_LT(ink.bottom, 8 + 24);
}

TEST_F(CalcDisplay, GreenOnlyRightOfTheMeasuredLeftEdge) {
    calc.Accum = 12.5;
    paint();
    std::string text = shownText();
    ASSERT_EQ(text.size(), 15u);
    Ink ink = findInk(canvas);
    ASSERT_GT(ink.count, 0);
    int left = (kWidth - 16) + 8 - measuredWidth(text.c_str());
    EXPECT_GE(ink.left, left);
    // The number stands in the right-hand columns: four characters of about 7 pixels.
    EXPECT_GE(ink.left, 152 - 4 * 8);
    EXPECT_LT(ink.right, 152);
}

TEST_F(CalcDisplay, ReturnsTheFontCellHeight) {
    EXPECT_EQ(drawDisplayText(canvas.dc, "0", kWidth - 16, kHeight - 16), 24);
}

TEST_F(CalcDisplay, EmptyFieldPaintsNoGreen) {
    drawBox(canvas.dc, 0, 0, kWidth - 1, kHeight - 1, kBlack, kWhite);
    EXPECT_EQ(drawDisplayText(canvas.dc, "               ", 144, 24), 24);
    EXPECT_EQ(drawDisplayText(canvas.dc, "", 144, 24), 24);
    EXPECT_EQ(findInk(canvas).count, 0);
}

TEST_F(CalcDisplay, PaintShowsTheEngineDisplayTextForEachState) {
    struct Case {
        double accum;
        int hexMode;
        const char* entry;
    };
    for (Case c : {Case{12.5, 0, ""}, Case{12.5, 1, ""}, Case{-26, 1, ""}, Case{0, 0, "12.50"},
                   Case{0, 1, "1A"}, Case{-1e14, 0, ""}}) {
        SCOPED_TRACE(std::to_string(c.accum) + " hex " + std::to_string(c.hexMode) + " entry " +
                     c.entry);
        calc.Accum = c.accum;
        calc.HexMode = c.hexMode;
        std::strcpy(calc.Entry, c.entry);
        calc.Typing = c.entry[0] != '\0' ? 1 : 0;
        paint();
        Canvas expected;
        drawBox(expected.dc, 0, 0, kWidth - 1, kHeight - 1, kBlack, kWhite);
        drawDisplayText(expected.dc, shownText().c_str(), 144, 24);
        int differences = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                differences += canvas.at(x, y) != expected.at(x, y) ? 1 : 0;
        EXPECT_EQ(differences, 0);
        EXPECT_GT(findInk(canvas).count, 0);
    }
}

TEST_F(CalcDisplay, OtherControlsAndActionsPaintNothing) {
    paint(kIdIndicator);
    paint(kIdDisplay, 0);
    paintDisplay(nullptr, nullptr);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            ASSERT_EQ(canvas.at(x, y), kUntouched) << x << "," << y;
}

TEST_F(CalcDisplay, SelectAndFocusActionsPaintToo) {
    paint(kIdDisplay, ODA_SELECT);
    EXPECT_EQ(canvas.at(0, 0), RGB(255, 255, 255));
    Canvas other;
    DRAWITEMSTRUCT record = other.item(kIdDisplay, ODA_FOCUS);
    paintDisplay(nullptr, &record);
    EXPECT_EQ(other.at(0, 0), RGB(255, 255, 255));
}

TEST_F(CalcDisplay, KitPenAndBrushStaySelectedAndTheFontIsPutBack) {
    HGDIOBJ font = GetCurrentObject(canvas.dc, OBJ_FONT);
    paint();
    EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_PEN), drawingKit.pen[kWhite]);
    EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_BRUSH), drawingKit.brush[kBlack]);
    EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_FONT), font);
    EXPECT_EQ(GetBkMode(canvas.dc), OPAQUE);
    EXPECT_EQ(GetROP2(canvas.dc), R2_COPYPEN);
}

TEST_F(CalcDisplay, RepeatedPaintsLeaveNoGdiObjectsBehind) {
    calc.Accum = 3.25;
    paint(); // objects made on first use
    int before = gdiObjectCount();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 50; ++i)
        paint();
    EXPECT_EQ(gdiObjectCount(), before);
}

TEST_F(CalcDisplay, SelectKitObjectsReturnThePreviousOneAndRefuseOtherIndices) {
    HGDIOBJ pen = GetCurrentObject(canvas.dc, OBJ_PEN);
    EXPECT_EQ(selectKitPen(canvas.dc, kRed), pen);
    EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_PEN), drawingKit.pen[kRed]);
    EXPECT_EQ(selectKitPen(canvas.dc, static_cast<KitColour>(kKitSize)), nullptr);
    EXPECT_EQ(selectKitPen(canvas.dc, static_cast<KitColour>(-1)), nullptr);
    EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_PEN), drawingKit.pen[kRed]);
    HGDIOBJ brush = GetCurrentObject(canvas.dc, OBJ_BRUSH);
    EXPECT_EQ(selectKitBrush(canvas.dc, kNavy), brush);
    EXPECT_EQ(selectKitBrush(canvas.dc, static_cast<KitColour>(16)), nullptr);
    EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_BRUSH), drawingKit.brush[kNavy]);
}

TEST_F(CalcDisplay, DrawBoxFillsWithTheBrushAndOutlinesWithThePen) {
    drawBox(canvas.dc, 10, 5, 30, 20, kRed, kBlue);
    EXPECT_EQ(canvas.at(10, 5), RGB(0, 0, 255));
    EXPECT_EQ(canvas.at(29, 19), RGB(0, 0, 255));
    EXPECT_EQ(canvas.at(20, 12), RGB(255, 0, 0));
    EXPECT_EQ(canvas.at(30, 12), kUntouched);
    EXPECT_EQ(canvas.at(20, 20), kUntouched);
}

TEST_F(CalcDisplay, TextIsKitGreenWhateverColourTheContextHad) {
    drawBox(canvas.dc, 0, 0, kWidth - 1, kHeight - 1, kBlack, kWhite);
    SetTextColor(canvas.dc, RGB(255, 0, 0));
    EXPECT_EQ(drawDisplayText(canvas.dc, "88", 144, 24), 24);
    EXPECT_GT(findInk(canvas).count, 0);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            ASSERT_NE(canvas.at(x, y), RGB(255, 0, 0)) << x << "," << y;
}

TEST_F(CalcDisplay, PanelTooSmallForAFontDrawsOnlyTheBox) {
    DRAWITEMSTRUCT record = canvas.item();
    record.rcItem = {0, 0, 30, 16}; // available height 0
    paintDisplay(nullptr, &record);
    EXPECT_EQ(canvas.at(0, 0), RGB(255, 255, 255));
    for (int y = 1; y < 14; ++y)
        for (int x = 1; x < 28; ++x)
            ASSERT_EQ(canvas.at(x, y), RGB(0, 0, 0)) << x << "," << y;
}

// The indicator beside the display, on a dialog made from the real template.
TEST_F(CalcDisplay, IndicatorShowsMForAnyMemoryButZero) {
    startup = {100, 100, 0.0, 0.0};
    keyBeep = silentBeep;
    HWND dialog =
        CreateDialogParamA(GetModuleHandleA(nullptr), "VEBOCALC", nullptr, calcDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    for (double memory : {0.0, 5.0, -2.5, 1e-300, 0.0}) {
        calc.Memory = memory;
        DRAWITEMSTRUCT record = canvas.item();
        paintDisplay(dialog, &record);
        EXPECT_EQ(controlText(dialog, kIdIndicator), memory != 0.0 ? "M" : " ") << memory;
    }
    DestroyWindow(dialog);
    keyBeep = MessageBeep;
}
