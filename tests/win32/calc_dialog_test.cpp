// The dialog's life on the real template: start, place and end.
#include "calc_dialog_fixture.h"

TEST_F(CalcDialog, StartsInDecimalWithHexDigitsDisabled) {
    ASSERT_NE(open(), nullptr);
    expectRadix(false);
    EXPECT_TRUE(enabled(kIdDigit0 + 9));
    EXPECT_EQ(calc.HexMode, 0);
}

TEST_F(CalcDialog, StartRestoresValueAndMemoryFromTheStartupValues) {
    startup.OldVal = 12.5;
    startup.OldMem = -3.0;
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(calc.Accum, 12.5);
    EXPECT_EQ(calc.Memory, -3.0);
    EXPECT_EQ(calc.Typing, 0);
    EXPECT_EQ(paintedIndicator(dialog), "M");
}

TEST_F(CalcDialog, StartSetsABlankIndicatorThatTheFirstPaintCorrects) {
    startup.OldMem = 4.0;
    ASSERT_NE(open(), nullptr);
    // Nothing has painted yet: the template's empty text has been replaced by the blank.
    EXPECT_EQ(controlText(dialog, kIdIndicator), " ");
    EXPECT_EQ(paintedIndicator(dialog), "M");
}

TEST_F(CalcDialog, StoredPlaceIsUsedAsItIs) {
    startup.WinX = 120;
    startup.WinY = 80;
    ASSERT_NE(open(), nullptr);
    RECT r = frame();
    EXPECT_EQ(r.left, 120);
    EXPECT_EQ(r.top, 80);
    EXPECT_EQ(startup.WinX, 120);
    EXPECT_EQ(startup.WinY, 80);
}

TEST_F(CalcDialog, PlaceBeyondTheRightOrBottomEdgeIsPulledBackToTouchIt) {
    startup.WinX = 5000;
    startup.WinY = 3000;
    ASSERT_NE(open(), nullptr);
    RECT r = frame();
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(startup.WinX, r.left);
    EXPECT_EQ(startup.WinY, r.top);
}

TEST_F(CalcDialog, OnlyTheEdgeThatIsCrossedIsPulledBack) {
    startup.WinX = 5000;
    startup.WinY = 50;
    ASSERT_NE(open(), nullptr);
    RECT r = frame();
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.top, 50);
}

TEST_F(CalcDialog, NegativePlaceStays) {
    startup.WinX = -30;
    startup.WinY = -40;
    ASSERT_NE(open(), nullptr);
    RECT r = frame();
    EXPECT_EQ(r.left, -30);
    EXPECT_EQ(r.top, -40);
    EXPECT_EQ(startup.WinX, -30);
    EXPECT_EQ(startup.WinY, -40);
}

TEST_F(CalcDialog, OkStoresPlaceValueAndMemoryButNotTheNumberBeingTyped) {
    ASSERT_NE(open(), nullptr);
    type("9=");
    press(kIdMemoryAdd);
    type("5+42");
    MoveWindow(dialog, 321, 123, frame().right - frame().left, frame().bottom - frame().top, TRUE);
    press(kIdOk);
    EXPECT_EQ(startup.WinX, 321);
    EXPECT_EQ(startup.WinY, 123);
    EXPECT_EQ(startup.OldVal, 5.0);
    EXPECT_EQ(startup.OldMem, 9.0);
    EXPECT_FALSE(IsWindowVisible(dialog)); // EndDialog hides a dialog that is not modal
}

TEST_F(CalcDialog, ClosingWhileTypingWithNoOperatorSavesZero) {
    startup.OldVal = 17.0;
    ASSERT_NE(open(), nullptr);
    type("42");
    press(kIdCancel);
    EXPECT_EQ(startup.OldVal, 0.0);
}
