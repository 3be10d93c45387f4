// The dialog run modally, driven as a user would: Ok, Escape, the Close box, the default
// button and the mnemonics.
#include "calc_dialog_fixture.h"

#include <string>

namespace {

// Runs the real template modally, with the script acting once it is shown.
INT_PTR runModal(DialogScript& script) {
    return driveDialog(script, [] {
        return DialogBoxParamA(GetModuleHandleA(nullptr), "VEBOCALC", nullptr, calcDialogProc, 0);
    });
}

} // namespace

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
