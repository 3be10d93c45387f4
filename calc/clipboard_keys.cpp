#include "clipboard_keys.h"

#include "dialog.h"

#include <windows.h>

namespace {

HHOOK keyFilter = nullptr;

bool isDown(int key) {
    return GetKeyState(key) < 0;
}

// The system command of a clipboard key, or 0. With Alt down (AltGr is Ctrl+Alt, which types
// characters on many layouts) the key is left to typing.
UINT clipboardCommand(WPARAM key) {
    if (isDown(VK_MENU))
        return 0;
    bool control = isDown(VK_CONTROL);
    bool shift = isDown(VK_SHIFT);
    if (control && !shift && (key == 'C' || key == VK_INSERT))
        return kCommandCopy;
    if (control && !shift && key == 'V')
        return kCommandPaste;
    if (shift && !control && key == VK_INSERT)
        return kCommandPaste;
    return 0;
}

LRESULT CALLBACK filterClipboardKeys(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && message->message == WM_KEYDOWN && message->hwnd != nullptr) {
        if (UINT command = clipboardCommand(message->wParam)) {
            // The key went to a control of the dialog, or to the dialog itself.
            HWND dialog = GetParent(message->hwnd);
            SendMessageA(dialog != nullptr ? dialog : message->hwnd, WM_SYSCOMMAND, command, 0);
            return TRUE; // taken: neither translated nor dispatched
        }
    }
    return CallNextHookEx(keyFilter, code, wParam, lParam);
}

} // namespace

void setClipboardKeys(bool on) {
    if (keyFilter != nullptr)
        UnhookWindowsHookEx(keyFilter);
    keyFilter =
        on ? SetWindowsHookExA(WH_MSGFILTER, filterClipboardKeys, nullptr, GetCurrentThreadId())
           : nullptr;
}
