#include "display.h"

#include "contrast.h"
#include "drawkit.h"
#include "keypad.h"
#include "text.h"

#include <array>
#include <cstring>

namespace {

// The text keeps 8 pixels from the panel's top and right edges; its box is the panel less 8
// pixels on every side.
constexpr int kTextInset = 8;
// The font is sized for 17 character columns across the text box.
constexpr int kDisplayColumns = 17;
constexpr std::size_t kDisplayTextArea = 100;

bool isKitIndex(int index) {
    return index >= 0 && index < kKitSize;
}

bool paintsDisplay(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != static_cast<UINT>(kIdDisplay))
        return false;
    return (item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT | ODA_FOCUS)) != 0;
}

} // namespace

HGDIOBJ selectKitPen(HDC dc, KitColour colour) {
    if (!isKitIndex(colour))
        return nullptr;
    return SelectObject(dc, drawingKit.pen[colour]);
}

HGDIOBJ selectKitBrush(HDC dc, KitColour colour) {
    if (!isKitIndex(colour))
        return nullptr;
    return SelectObject(dc, drawingKit.brush[colour]);
}

void drawBox(HDC dc, int left, int top, int right, int bottom, KitColour brush, KitColour pen) {
    SetBkMode(dc, OPAQUE);
    SetROP2(dc, R2_COPYPEN);
    selectKitPen(dc, pen);
    selectKitBrush(dc, brush);
    Rectangle(dc, left, top, right, bottom);
}

LOGFONTA displayFont(int availableWidth, int availableHeight) {
    LOGFONTA font = {};
    font.lfHeight = availableHeight;
    font.lfWidth = availableWidth / (kDisplayColumns * 115 / 100);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = ANSI_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DRAFT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    copyText(font.lfFaceName, sizeof font.lfFaceName, kDisplayFace);
    return font;
}

int drawDisplayText(HDC dc, const char* text, int availableWidth, int availableHeight) {
    if (text == nullptr)
        return 0;
    LOGFONTA description = displayFont(availableWidth, availableHeight);
    // Size 0 would ask the mapper for its default size, far too big for a small panel.
    if (description.lfHeight <= 0 || description.lfWidth <= 0)
        return 0;
    HFONT font = CreateFontIndirectA(&description);
    if (font == nullptr)
        return 0;
    HGDIOBJ previous = SelectObject(dc, font);
    int length = static_cast<int>(std::strlen(text));
    SIZE extent = {};
    GetTextExtentPoint32A(dc, text, length, &extent);
    int x = availableWidth + kTextInset - extent.cx;
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SetTextColor(dc,
                 contrastThemeOn() ? systemColour(COLOR_WINDOWTEXT) : drawingKit.colour[kGreen]);
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, x, kTextInset, text, length);
    SetBkMode(dc, OPAQUE);
    SetROP2(dc, R2_COPYPEN);
    SelectObject(dc, previous);
    DeleteObject(font);
    return metrics.tmHeight;
}

void paintDisplay(HWND dialog, const DRAWITEMSTRUCT* item) {
    if (item == nullptr || !paintsDisplay(*item))
        return;
    HDC dc = item->hDC;
    const RECT& box = item->rcItem;
    if (contrastThemeOn())
        drawSystemBox(dc, 0, 0, box.right - 1, box.bottom - 1, COLOR_WINDOWTEXT, COLOR_WINDOW);
    else
        drawBox(dc, 0, 0, box.right - 1, box.bottom - 1, kBlack, kWhite);
    if (dialog != nullptr)
        SetDlgItemTextA(dialog, kIdIndicator, memoryIndicator(calc));
    std::array<char, kDisplayTextArea> text{};
    displayText(calc, text.data(), text.size());
    drawDisplayText(dc, text.data(), box.right - 2 * kTextInset, box.bottom - 2 * kTextInset);
}

void updateDisplayWindowText(HWND display) {
    ShownNumber text;
    shownNumber(calc, text);
    std::array<char, kDisplayTextArea> current{};
    GetWindowTextA(display, current.data(), static_cast<int>(current.size()));
    if (std::strcmp(text, current.data()) == 0)
        return;
    // A static paints itself at once when its text is set: with redrawing off, the display
    // keeps its one paint per invalidation.
    SendMessageA(display, WM_SETREDRAW, FALSE, 0);
    SetWindowTextA(display, text);
    SendMessageA(display, WM_SETREDRAW, TRUE, 0);
}
