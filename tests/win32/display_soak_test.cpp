// A thousand paints of the calculator's display in the real dialog, through the numbers,
// radixes and memory states it shows, must leave the process's GDI objects where they were.
#include "calc_driver.h"
#include "calc/dialog.h"
#include "drawkit.h"
#include "gdi_count.h"
#include "calc/keypad.h"

#include <gtest/gtest.h>

#include <array>

namespace {

BOOL WINAPI silentBeep(UINT) {
    return TRUE;
}

// Key presses that walk the display through short, long and overflowing numbers, both radixes
// and the memory indicator: 7 * 9 = M+, then 3F4 in hexadecimal squared three times.
constexpr std::array<int, 17> kKeyCycle = {
    kIdDigit0 + 7, kIdMultiply, kIdDigit0 + 9, kIdEquals,      kIdMemoryAdd, kIdHexa,
    kIdDigit0 + 4, kIdDecimal,  kIdMultiply,   kIdEquals,      kIdMultiply,  kIdEquals,
    kIdMultiply,   kIdEquals,   kIdClear,      kIdMemoryClear, kIdClear};

void paintOnce(HWND dialog) {
    HWND display = GetDlgItem(dialog, kIdDisplay);
    InvalidateRect(display, nullptr, FALSE);
    UpdateWindow(display);
}

TEST(DisplaySoak, AThousandPaintsLeaveTheGdiObjectCountUnchanged) {
    keyBeep = silentBeep;
    setDrawingKit(true);
    startup = {100, 100, 0.0, 0.0};
    HWND dialog =
        CreateDialogParamA(GetModuleHandleA(nullptr), "VEBOCALC", nullptr, calcDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    for (int id : kKeyCycle) { // objects the system makes on first use, in every state
        clickKey(dialog, id);
        paintOnce(dialog);
    }
    int before = gdiObjectCount();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 1000; ++i) {
        clickKey(dialog, kKeyCycle[static_cast<std::size_t>(i) % kKeyCycle.size()]);
        paintOnce(dialog);
    }
    EXPECT_EQ(gdiObjectCount(), before);
    DestroyWindow(dialog);
    setDrawingKit(false);
    keyBeep = MessageBeep;
}

} // namespace
