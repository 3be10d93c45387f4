// The clipboard keys in the modal dialog, caught by the start-up's message filter: Ctrl+C,
// Ctrl+Insert, Ctrl+V and Shift+Insert, and every other key as it was.
#include "calc_dialog_fixture.h"
#include "calc/clipboard_keys.h"
#include "calc/startup.h"
#include "clipboard_text.h"
#include "registry_sandbox.h"

#include <initializer_list>

namespace {

// The keys the thread sees as held down: what GetKeyState answers.
void holdKeys(std::initializer_list<int> keys) {
    BYTE state[256] = {};
    for (int key : keys)
        state[key] = 0x80;
    SetKeyboardState(state);
}

MSG keyDown(HWND dialog, WPARAM key) {
    return MSG{focusOf(dialog), WM_KEYDOWN, key, 1, 0, {0, 0}};
}

class CalcClipboardKeys : public CalcDialog {
  protected:
    void TearDown() override {
        setClipboardKeys(false);
        holdKeys({});
        CalcDialog::TearDown();
    }
    // Runs the dialog modally with the clipboard keys, as the start-up does; `act` queues keys
    // for it, and Ok follows them.
    void runModal(const std::function<void(HWND)>& act) {
        DialogScript script;
        script.act = [&](HWND d) {
            act(d);
            PostMessageA(d, WM_COMMAND, IDOK, 0);
        };
        setClipboardKeys(true);
        driveDialog(script, [] {
            return DialogBoxParamA(GetModuleHandleA(nullptr), "VEBOCALC", nullptr, calcDialogProc,
                                   0);
        });
        setClipboardKeys(false);
        EXPECT_FALSE(script.timedOut);
    }
};

} // namespace

TEST_F(CalcClipboardKeys, CtrlCCtrlInsertCtrlVAndShiftInsertCopyAndPaste) {
    struct Case {
        std::initializer_list<int> modifiers;
        WPARAM key;
        const char* before; // on the clipboard
        const char* after;
        const char* entry;
    } cases[] = {{{VK_CONTROL}, 'C', "old", "4", "4"},
                 {{VK_CONTROL}, VK_INSERT, "old", "4", "4"},
                 {{VK_CONTROL}, 'V', "2.5", "2.5", "2.5"},
                 {{VK_SHIFT}, VK_INSERT, "2.5", "2.5", "2.5"}};
    for (const Case& c : cases) {
        ASSERT_TRUE(putClipboardText(c.before));
        runModal([&](HWND d) {
            clickKey(d, kIdDigit0 + 4);
            holdKeys(c.modifiers);
            MSG key = keyDown(d, c.key);
            PostMessageA(key.hwnd, key.message, key.wParam, key.lParam);
        });
        EXPECT_EQ(clipboardText(), c.after) << c.key;
        EXPECT_STREQ(calc.Entry, c.entry) << c.key;
    }
    EXPECT_EQ(beeps, 0);
}

// The same letters without Ctrl or with more modifiers, Insert alone, and any key in a menu's
// loop pass the filter as they are: nothing is copied or pasted.
TEST_F(CalcClipboardKeys, OtherKeysPassTheFilter) {
    struct Case {
        std::initializer_list<int> modifiers;
        WPARAM key;
        int code;
    } cases[] = {
        {{}, 'C', MSGF_DIALOGBOX},
        {{VK_SHIFT}, 'C', MSGF_DIALOGBOX},
        {{}, VK_INSERT, MSGF_DIALOGBOX},
        {{VK_CONTROL, VK_MENU}, 'C', MSGF_DIALOGBOX}, // AltGr: it types characters
        {{VK_CONTROL, VK_MENU}, 'V', MSGF_DIALOGBOX},
        {{VK_CONTROL, VK_SHIFT}, 'C', MSGF_DIALOGBOX},
        {{VK_CONTROL, VK_SHIFT}, VK_INSERT, MSGF_DIALOGBOX},
        {{VK_CONTROL}, 'X', MSGF_DIALOGBOX},
        {{VK_CONTROL}, 'C', MSGF_MENU},
    };
    ASSERT_TRUE(putClipboardText("7"));
    ASSERT_NE(open(), nullptr);
    setClipboardKeys(true);
    for (const Case& c : cases) {
        holdKeys(c.modifiers);
        MSG key = keyDown(dialog, c.key);
        EXPECT_FALSE(CallMsgFilterA(&key, c.code)) << c.key;
        EXPECT_EQ(clipboardText(), "7") << c.key;
        EXPECT_STREQ(calc.Entry, "") << c.key;
    }
}

// With the filter in place the mnemonics press their keys as before: "c" the digit C.
TEST_F(CalcClipboardKeys, MnemonicsStillPressTheirKeys) {
    runModal([](HWND d) {
        clickKey(d, kIdHexa);
        for (char c : std::string("cA1L2fL3")) {
            WPARAM key = static_cast<WPARAM>(c >= 'a' ? c - 'a' + 'A' : c);
            PostMessageA(focusOf(d), WM_KEYDOWN, key, 1);
            PostMessageA(focusOf(d), WM_CHAR, static_cast<unsigned char>(c), 1);
        }
    });
    EXPECT_STREQ(calc.Entry, "3");
    EXPECT_EQ(beeps, 0);
}

// The program itself: the start-up catches the keys around its dialog and no longer after it.
TEST_F(CalcClipboardKeys, TheStartUpCatchesTheKeysAroundItsDialog) {
    RegistrySandbox sandbox;
    ASSERT_TRUE(putClipboardText("old"));
    DialogScript script;
    script.act = [](HWND d) {
        clickKey(d, kIdDigit0 + 9);
        holdKeys({VK_CONTROL});
        PostMessageA(focusOf(d), WM_KEYDOWN, 'C', 1);
        PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
    };
    driveDialog(script, [] { return runCalculator(GetModuleHandleA(nullptr)); });
    EXPECT_FALSE(script.timedOut);
    EXPECT_EQ(clipboardText(), "9");
    ASSERT_TRUE(putClipboardText("old"));
    MSG key = {nullptr, WM_KEYDOWN, 'C', 1, 0, {0, 0}};
    EXPECT_FALSE(CallMsgFilterA(&key, MSGF_DIALOGBOX));
    EXPECT_EQ(clipboardText(), "old");
}
