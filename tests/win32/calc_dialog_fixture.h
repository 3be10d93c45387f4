#pragma once
// calcDialogProc on the real template, with beeps counted instead of sounded.
#include "calc/dialog.h"
#include "calc/keypad.h"

#include "calc_driver.h"
#include "calc_keys.h"
#include "drawkit.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

inline int beeps = 0;
inline BOOL WINAPI countBeep(UINT type) {
    if (type == MB_OK)
        ++beeps;
    return TRUE;
}

// Keyboard messages go to the control with the focus, as the system would send them.
inline HWND focusOf(HWND dialog) {
    HWND focus = GetFocus();
    return focus != nullptr && IsChild(dialog, focus) ? focus : GetDlgItem(dialog, kIdEquals);
}

constexpr int kHexDigits[] = {kIdHexDigitA,     kIdHexDigitA + 1, kIdHexDigitA + 2,
                              kIdHexDigitA + 3, kIdHexDigitA + 4, kIdHexDigitA + 5};
constexpr int kDecimalOnly[] = {kIdPoint, kIdSign, kIdPercent};

class CalcDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        setDrawingKit(true);
        beeps = 0;
        keyBeep = countBeep;
        startup = {100, 100, 0.0, 0.0};
    }
    void TearDown() override {
        if (dialog != nullptr)
            DestroyWindow(dialog);
        keyBeep = MessageBeep;
        setDrawingKit(false);
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
    // The radio buttons and the radix keys as the radix leaves them: in hexadecimal the digits
    // A to F are enabled and the point, Sig and percent disabled; in decimal the reverse.
    void expectRadix(bool hex) {
        EXPECT_EQ(checked(kIdHexa), hex);
        EXPECT_EQ(checked(kIdDecimal), !hex);
        for (int id : kHexDigits)
            EXPECT_EQ(enabled(id), hex) << id;
        for (int id : kDecimalOnly)
            EXPECT_EQ(enabled(id), !hex) << id;
    }
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
