// calcDialogProc on the real template: start, keys as WM_COMMAND, radix, placement and End.
#include "calc_driver.h"
#include "calc_keys.h"
#include "dialog.h"
#include "drawkit.h"
#include "keypad.h"

#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>

namespace {

int beeps = 0;
BOOL WINAPI countBeep(UINT type) {
    if (type == MB_OK)
        ++beeps;
    return TRUE;
}

// Keyboard messages go to the control with the focus, as the system would send them.
HWND focusOf(HWND dialog) {
    HWND focus = GetFocus();
    return focus != nullptr && IsChild(dialog, focus) ? focus : GetDlgItem(dialog, kIdEquals);
}

// What a screen reader announces for a control: the name of its client object.
std::string accessibleName(HWND control) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          IID_IAccessible, reinterpret_cast<void**>(&object))))
        return "(no accessible object)";
    VARIANT self = {};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string text = "(no name)";
    if (SUCCEEDED(object->get_accName(self, &name)) && name != nullptr) {
        char narrow[64] = "";
        WideCharToMultiByte(CP_ACP, 0, name, -1, narrow, sizeof narrow, nullptr, nullptr);
        text = narrow;
        SysFreeString(name);
    }
    object->Release();
    return text;
}

// Counts the display's WM_DRAWITEM on the way to the dialog's own procedure.
WNDPROC dialogProcedure = nullptr;
int displayPaints = 0;
LRESULT CALLBACK countDisplayPaints(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM && wParam == static_cast<WPARAM>(kIdDisplay))
        ++displayPaints;
    return CallWindowProcA(dialogProcedure, window, message, wParam, lParam);
}

constexpr int kHexDigits[] = {400, 401, 402, 403, 404, 405};
constexpr int kDecimalOnly[] = {kIdPoint, kIdSign, kIdPercent};

class CalcDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        setDrawingKit(1);
        beeps = 0;
        keyBeep = countBeep;
        startup = {100, 100, 0.0, 0.0};
    }
    void TearDown() override {
        if (dialog != nullptr)
            DestroyWindow(dialog);
        keyBeep = MessageBeep;
        setDrawingKit(0);
    }
    HWND open() {
        dialog =
            CreateDialogParamA(GetModuleHandleA(nullptr), "VEBOCALC", nullptr, calcDialogProc, 0);
        return dialog;
    }
    void press(int id) { clickKey(dialog, id); }
    void type(const char* keys) {
        for (const char* k = keys; *k != '\0'; ++k)
            press(keyId(*k));
    }
    bool enabled(int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
    bool checked(int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
    RECT frame() {
        RECT r = {};
        GetWindowRect(dialog, &r);
        return r;
    }
    // Paints everything pending, until no message has come for 100 ms, so that only what a
    // key invalidates is left to see.
    void settle() {
        for (int round = 0; round < 50; ++round) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&message);
            RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT) == WAIT_TIMEOUT)
                break;
        }
        ValidateRect(GetDlgItem(dialog, kIdDisplay), nullptr);
    }
    bool displayInvalid() {
        RECT r;
        return GetUpdateRect(GetDlgItem(dialog, kIdDisplay), &r, FALSE) != FALSE;
    }
    HWND dialog = nullptr;
};

} // namespace

TEST_F(CalcDialog, StartsInDecimalWithHexDigitsDisabled) {
    ASSERT_NE(open(), nullptr);
    EXPECT_TRUE(checked(kIdDecimal));
    EXPECT_FALSE(checked(kIdHexa));
    for (int id : kHexDigits)
        EXPECT_FALSE(enabled(id)) << id;
    for (int id : kDecimalOnly)
        EXPECT_TRUE(enabled(id)) << id;
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

TEST_F(CalcDialog, HexaEnablesTheHexDigitsAndDisablesPointSignAndPercent) {
    ASSERT_NE(open(), nullptr);
    press(kIdHexa);
    EXPECT_EQ(calc.HexMode, 1);
    EXPECT_TRUE(checked(kIdHexa));
    EXPECT_FALSE(checked(kIdDecimal));
    for (int id : kHexDigits)
        EXPECT_TRUE(enabled(id)) << id;
    for (int id : kDecimalOnly)
        EXPECT_FALSE(enabled(id)) << id;
    press(kIdDecimal);
    EXPECT_EQ(calc.HexMode, 0);
    EXPECT_TRUE(checked(kIdDecimal));
    EXPECT_FALSE(checked(kIdHexa));
    for (int id : kHexDigits)
        EXPECT_FALSE(enabled(id)) << id;
    for (int id : kDecimalOnly)
        EXPECT_TRUE(enabled(id)) << id;
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

// The display's window text is what a screen reader reads: the number as shown, without the
// field's padding, after every kind of key.
TEST_F(CalcDialog, DisplayWindowTextIsTheShownNumber) {
    startup.OldVal = -2.5;
    ASSERT_NE(open(), nullptr);
    HWND display = GetDlgItem(dialog, kIdDisplay);
    auto shownAfter = [&](const char* keys) {
        type(keys);
        return controlText(dialog, kIdDisplay);
    };
    EXPECT_EQ(shownAfter(""), "-2.5");
    EXPECT_EQ(shownAfter("12.5"), "12.5");
    EXPECT_EQ(shownAfter("*3="), "37.5");
    EXPECT_EQ(accessibleName(display), "37.5");
    EXPECT_EQ(shownAfter("ML"), "0"); // M+, CLEAR
    EXPECT_EQ(shownAfter("R"), "37.5");
    EXPECT_EQ(shownAfter("s"), "-37.5");
    EXPECT_EQ(shownAfter("h"), "25");
    EXPECT_EQ(shownAfter("LFF"), "FF");
    EXPECT_EQ(accessibleName(display), "FF");
    EXPECT_EQ(shownAfter("*FFFFFFFFFFFFFF="), "-----------");
    EXPECT_EQ(accessibleName(display), "-----------");
    EXPECT_EQ(shownAfter("d"), "-----------");
    EXPECT_EQ(shownAfter("L"), "0");
    EXPECT_EQ(accessibleName(display), "0");
}

// The text is set outside the paint and without a paint of its own: each key that redraws
// the display still paints it once, whether its text changed or not.
TEST_F(CalcDialog, KeysPaintTheDisplayOnceEach) {
    ASSERT_NE(open(), nullptr);
    dialogProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(countDisplayPaints)));
    for (char key : std::string("7+1=MRshdLL")) {
        settle();
        displayPaints = 0;
        press(keyId(key));
        settle();
        EXPECT_EQ(displayPaints, 1) << key;
    }
    EXPECT_EQ(controlText(dialog, kIdDisplay), "0");
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

// Runs the real template modally, with the script acting once it is shown.
INT_PTR runModal(DialogScript& script) {
    return driveDialog(script, [] {
        return DialogBoxParamA(GetModuleHandleA(nullptr), "VEBOCALC", nullptr, calcDialogProc, 0);
    });
}

// The modal runs: End's result, Esc through the dialog manager, and the Close box.
TEST_F(CalcDialog, OkEndsTheModalDialogWithResultOne) {
    DialogScript script;
    script.act = [](HWND d) {
        clickKey(d, kIdDigit0 + 6);
        clickKey(d, kIdMultiply);
        clickKey(d, kIdDigit0 + 7);
        clickKey(d, kIdEquals);
        PostMessageA(d, WM_COMMAND, IDOK, 0);
    };
    INT_PTR result = runModal(script);
    EXPECT_TRUE(script.acted);
    EXPECT_FALSE(script.timedOut);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(startup.OldVal, 42.0);
}

TEST_F(CalcDialog, EscapeKeyEndsLikeOk) {
    startup.WinX = 200;
    startup.WinY = 150;
    DialogScript script;
    script.act = [](HWND d) {
        clickKey(d, kIdDigit0 + 8);
        clickKey(d, kIdMemoryAdd);
        clickKey(d, kIdAdd);
        PostMessageA(focusOf(d), WM_KEYDOWN, VK_ESCAPE, 0);
    };
    INT_PTR result = runModal(script);
    EXPECT_FALSE(script.timedOut);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(startup.OldVal, 8.0);
    EXPECT_EQ(startup.OldMem, 8.0);
    EXPECT_EQ(startup.WinX, 200);
    EXPECT_EQ(startup.WinY, 150);
}

TEST_F(CalcDialog, CloseBoxEndsLikeOk) {
    DialogScript script;
    script.act = [](HWND d) {
        clickKey(d, kIdDigit0 + 3);
        clickKey(d, kIdEquals);
        SetWindowPos(d, nullptr, 40, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0);
    };
    INT_PTR result = runModal(script);
    EXPECT_FALSE(script.timedOut);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(startup.OldVal, 3.0);
    EXPECT_EQ(startup.WinX, 40);
    EXPECT_EQ(startup.WinY, 60);
}

TEST_F(CalcDialog, EqualsIsTheFirstTabStopAndTheDefaultButton) {
    DialogScript script;
    int first = 0;
    LRESULT defId = 0;
    script.act = [&](HWND d) {
        HWND child = GetWindow(d, GW_CHILD);
        while (child != nullptr && (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) == 0)
            child = GetWindow(child, GW_HWNDNEXT);
        first = child != nullptr ? GetDlgCtrlID(child) : 0;
        defId = SendMessageA(d, DM_GETDEFID, 0, 0);
        PostMessageA(d, WM_COMMAND, IDOK, 0);
    };
    runModal(script);
    EXPECT_EQ(first, kIdEquals);
    EXPECT_EQ(HIWORD(defId), DC_HASDEFID);
    EXPECT_EQ(LOWORD(defId), kIdEquals);
}

// Characters typed into the dialog press the keys whose captions carry them.
TEST_F(CalcDialog, MnemonicsPressTheirKeysWithOrWithoutAlt) {
    DialogScript script;
    script.act = [](HWND d) {
        HWND target = focusOf(d);
        for (char c : std::string("2+3*4="))
            PostMessageA(target, WM_CHAR, static_cast<unsigned char>(c), 0);
        // Alt+M presses M+; a plain "r" presses Mr, "L" CLEAR, "S" Sig.
        PostMessageA(target, WM_SYSCHAR, 'm', 1 << 29);
        PostMessageA(target, WM_CHAR, 'L', 0);
        PostMessageA(target, WM_CHAR, 'L', 0);
        PostMessageA(target, WM_CHAR, 'r', 0);
        PostMessageA(target, WM_CHAR, 'S', 0);
        PostMessageA(target, WM_CHAR, 'o', 0);
    };
    INT_PTR result = runModal(script);
    EXPECT_FALSE(script.timedOut);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(startup.OldMem, 20.0);
    // Mr then Sig leave "-20.000000" being typed, which Ok does not save: the value is 0.
    EXPECT_EQ(calc.Accum, 0.0);
    EXPECT_STREQ(calc.Entry, "-20.000000");
}

TEST_F(CalcDialog, MnemonicsOfDisabledKeysDoNothing) {
    DialogScript script;
    script.act = [](HWND d) {
        HWND target = focusOf(d);
        for (char c : std::string("1ABC2"))
            PostMessageA(target, WM_CHAR, static_cast<unsigned char>(c), 0);
        PostMessageA(d, WM_COMMAND, IDOK, 0);
    };
    runModal(script);
    EXPECT_FALSE(script.timedOut);
    EXPECT_STREQ(calc.Entry, "12");
}
