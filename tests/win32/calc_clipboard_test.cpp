// Copy and Paste through the dialog's system commands, on the real clipboard of the prefix:
// the text a copy leaves, what a paste types, and what both refuse.
#include "calc_dialog_fixture.h"
#include "clipboard_text.h"

#include <cstring>
#include <vector>

namespace {

// The clipboard's CF_TEXT block as any program finds it: its lock count, and its text in
// CF_UNICODETEXT, which the system makes from it unless a program left one of its own.
UINT clipboardTextLocks() {
    UINT locks = 99;
    if (OpenClipboard(nullptr)) {
        if (HANDLE data = GetClipboardData(CF_TEXT))
            locks = GlobalFlags(data) & GMEM_LOCKCOUNT;
        CloseClipboard();
    }
    return locks;
}

std::wstring clipboardWideText() {
    std::wstring text = L"(no text)";
    if (OpenClipboard(nullptr)) {
        HANDLE data = GetClipboardData(CF_UNICODETEXT);
        if (auto wide = static_cast<const wchar_t*>(data ? GlobalLock(data) : nullptr)) {
            text = wide;
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

class CalcClipboard : public CalcDialog {
  protected:
    void SetUp() override {
        CalcDialog::SetUp();
        ASSERT_NE(open(), nullptr);
    }
    void copy() { SendMessageA(dialog, WM_SYSCOMMAND, kCommandCopy, 0); }
    void paste() { SendMessageA(dialog, WM_SYSCOMMAND, kCommandPaste, 0); }
    std::string shown() { return controlText(dialog, kIdDisplay); }
    // A paste that beeps once and changes neither the state nor the screen.
    void expectRefusedPaste(const char* what) {
        settle();
        CalcState before = calc;
        int beepsBefore = beeps;
        paste();
        EXPECT_EQ(beeps, beepsBefore + 1) << what;
        EXPECT_EQ(std::memcmp(&before, &calc, sizeof calc), 0) << what;
        EXPECT_FALSE(displayInvalid()) << what;
    }
};

} // namespace

TEST_F(CalcClipboard, CopyTakesTheNumberAsShown) {
    ASSERT_TRUE(putClipboardBlock(L"old text", sizeof L"old text", CF_UNICODETEXT));
    type("12+3=");
    copy();
    EXPECT_EQ(clipboardText(), "15");
    EXPECT_EQ(clipboardWideText(), L"15"); // the other program's text is gone
    EXPECT_EQ(GetClipboardOwner(), dialog);
    press(kIdHexa);
    copy();
    EXPECT_EQ(clipboardText(), "0F");
    press(kIdDecimal);
    type("2.50s");
    copy();
    EXPECT_EQ(clipboardText(), "-2.5"); // while typing, as the display shows it
    EXPECT_EQ(beeps, 0);
}

TEST_F(CalcClipboard, CopyAtTheOverflowTextBeepsAndLeavesTheOldText) {
    ASSERT_TRUE(putClipboardText("old text"));
    type("99999999999999*99999999999999=");
    ASSERT_EQ(shown(), "-----------");
    copy();
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(clipboardText(), "old text");
}

TEST_F(CalcClipboard, PasteTypesTheNumberAndRedrawsTheDisplay) {
    ASSERT_TRUE(putClipboardText("3.25"));
    settle();
    paste();
    EXPECT_TRUE(displayInvalid());
    EXPECT_EQ(shown(), "3.25");
    EXPECT_EQ(clipboardTextLocks(), 0u);
    type("+1=");
    EXPECT_EQ(shown(), "4.25");
    press(kIdHexa);
    ASSERT_TRUE(putClipboardText("ff"));
    paste();
    press(kIdDecimal);
    EXPECT_EQ(shown(), "255");
    type("+7");
    ASSERT_TRUE(putClipboardText(" 3\r\n")); // in place of the 7 being typed
    paste();
    type("=");
    EXPECT_EQ(shown(), "258");
    EXPECT_EQ(beeps, 0);
}

TEST_F(CalcClipboard, RefusedPastesBeepOnceAndChangeNothing) {
    type("12");
    for (const char* text : {"abc", "1.2.3", "", "1,000", "123456789012345", "1A"}) {
        ASSERT_TRUE(putClipboardText(text));
        expectRefusedPaste(text);
    }
    ASSERT_TRUE(putClipboardBlock(nullptr, 0));
    expectRefusedPaste("an empty clipboard");
    std::vector<char> megabytes(4u << 20, '7');
    megabytes.back() = '\0';
    ASSERT_TRUE(putClipboardBlock(megabytes.data(), megabytes.size()));
    expectRefusedPaste("megabytes");
    EXPECT_STREQ(calc.Entry, "12");
}

TEST_F(CalcClipboard, WhileAnotherHoldsTheClipboardBothBeepAndNothingElseHappens) {
    ASSERT_TRUE(putClipboardText("42"));
    type("7");
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE holder = holdClipboard(release);
    copy();
    EXPECT_EQ(beeps, 1);
    expectRefusedPaste("a clipboard held open");
    SetEvent(release);
    WaitForSingleObject(holder, 10000);
    CloseHandle(holder);
    CloseHandle(release);
    EXPECT_EQ(clipboardText(), "42");
    copy();
    EXPECT_EQ(clipboardText(), "7");
}

TEST_F(CalcClipboard, CopyAndPasteHeadTheSystemMenuWithTheirKeys) {
    HMENU menu = GetSystemMenu(dialog, FALSE);
    char text[64] = "";
    EXPECT_EQ(GetMenuItemID(menu, 0), kCommandCopy);
    GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "C&opy\tCtrl+C");
    EXPECT_EQ(GetMenuItemID(menu, 1), kCommandPaste);
    GetMenuStringA(menu, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&Paste\tCtrl+V");
    EXPECT_NE(GetMenuState(menu, 2, MF_BYPOSITION) & MF_SEPARATOR, 0u);
    EXPECT_NE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), 0xFFFFFFFFu); // the system's follow
}

TEST_F(CalcClipboard, OnlyCopyAndPasteAreAnsweredAmongSystemCommands) {
    ASSERT_TRUE(putClipboardText("9"));
    for (int command : {SC_MOVE, SC_CLOSE, SC_KEYMENU, SC_CONTEXTHELP, SC_SIZE, 0x30})
        EXPECT_EQ(calcDialogProc(dialog, WM_SYSCOMMAND, command, 0), FALSE) << command;
    EXPECT_STREQ(calc.Entry, "");
    // The system's four low bits do not change the command.
    EXPECT_EQ(calcDialogProc(dialog, WM_SYSCOMMAND, kCommandPaste | 2, 0), TRUE);
    EXPECT_STREQ(calc.Entry, "9");
    type("1");
    EXPECT_EQ(calcDialogProc(dialog, WM_SYSCOMMAND, kCommandCopy | 1, 0), TRUE);
    EXPECT_EQ(clipboardText(), "91");
}
