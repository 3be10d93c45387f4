// Keys as WM_COMMAND: radix, redraws, beeps, and what is left to the dialog manager.
#include "calc_dialog_fixture.h"

TEST_F(CalcDialog, HexaEnablesTheHexDigitsAndDisablesPointSignAndPercent) {
    ASSERT_NE(open(), nullptr);
    press(kIdHexa);
    EXPECT_EQ(calc.HexMode, 1);
    expectRadix(true);
    press(kIdDecimal);
    EXPECT_EQ(calc.HexMode, 0);
    expectRadix(false);
}

TEST_F(CalcDialog, RadixChangeConvertsTheEntryAndRedraws) {
    ASSERT_NE(open(), nullptr);
    type("255");
    settle();
    ASSERT_FALSE(displayInvalid());
    press(kIdHexa);
    EXPECT_STREQ(calc.Entry, "FF");
    EXPECT_TRUE(displayInvalid());
}

TEST_F(CalcDialog, KeysThatChangeTheDisplayInvalidateIt) {
    ASSERT_NE(open(), nullptr);
    for (int id : std::initializer_list<int>{kIdDigit0 + 7, kIdAdd, kIdDigit0 + 1, kIdEquals,
                                             kIdMemoryAdd, kIdMemoryClear, kIdSign, kIdClear}) {
        settle();
        ASSERT_FALSE(displayInvalid());
        press(id);
        EXPECT_TRUE(displayInvalid()) << id;
    }
}

TEST_F(CalcDialog, OperatorWithNothingTypedLeavesTheDisplayAlone) {
    ASSERT_NE(open(), nullptr);
    settle();
    ASSERT_FALSE(displayInvalid());
    press(kIdAdd);
    EXPECT_FALSE(displayInvalid());
    EXPECT_EQ(calc.PendingOp, kOpAdd);
}

TEST_F(CalcDialog, KeysReachTheEngineAndEvaluateLeftToRight) {
    ASSERT_NE(open(), nullptr);
    type("2+3*4=");
    EXPECT_EQ(calc.Accum, 20.0);
    type("200*15%");
    EXPECT_EQ(calc.Accum, 30.0);
    press(kIdAdd);
    EXPECT_EQ(calc.Accum, 230.0);
    EXPECT_EQ(beeps, 0);
}

TEST_F(CalcDialog, MemoryIndicatorFollowsTheMemoryOnTheNextPaint) {
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(paintedIndicator(dialog), " ");
    type("7");
    press(kIdMemoryAdd);
    EXPECT_EQ(calc.Memory, 7.0);
    EXPECT_EQ(paintedIndicator(dialog), "M");
    press(kIdMemoryClear);
    EXPECT_EQ(paintedIndicator(dialog), " ");
}

TEST_F(CalcDialog, RefusedKeysBeepOnceEach) {
    ASSERT_NE(open(), nullptr);
    type("12345678901234");
    EXPECT_EQ(beeps, 0);
    type("5");
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(std::string(calc.Entry), "12345678901234");
    press(kIdClear);
    type("1.");
    press(kIdPoint);
    EXPECT_EQ(beeps, 2);
    press(kIdClear);
    type("50%");
    EXPECT_EQ(beeps, 3);
}

TEST_F(CalcDialog, DivisionByZeroGivesZeroWithoutABeep) {
    ASSERT_NE(open(), nullptr);
    type("8/0=");
    EXPECT_EQ(calc.Accum, 0.0);
    EXPECT_EQ(beeps, 0);
}

TEST_F(CalcDialog, UnknownCommandsAndOtherMessagesAreLeftToTheDialogManager) {
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(calcDialogProc(dialog, WM_COMMAND, MAKEWPARAM(999, BN_CLICKED), 0), FALSE);
    EXPECT_EQ(calcDialogProc(dialog, WM_COMMAND, MAKEWPARAM(kIdDisplay, 0), 0), FALSE);
    EXPECT_EQ(calcDialogProc(dialog, WM_HELP, 0, 0), FALSE);
    EXPECT_EQ(calcDialogProc(dialog, WM_MOVE, 0, 0), FALSE);
    EXPECT_EQ(calcDialogProc(dialog, WM_COMMAND, MAKEWPARAM(kIdDigit0 + 3, BN_CLICKED), 0), TRUE);
    EXPECT_STREQ(calc.Entry, "3");
}

TEST_F(CalcDialog, DrawItemIsAnsweredForAnyControl) {
    ASSERT_NE(open(), nullptr);
    HDC dc = GetDC(dialog);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = kIdOk;
    item.itemAction = ODA_DRAWENTIRE;
    item.hDC = dc;
    item.rcItem = {0, 0, 10, 10};
    EXPECT_EQ(calcDialogProc(dialog, WM_DRAWITEM, kIdOk, reinterpret_cast<LPARAM>(&item)), TRUE);
    ReleaseDC(dialog, dc);
}
