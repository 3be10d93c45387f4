#include "calc_driver.h"

namespace {

DialogScript* activeScript = nullptr;
DWORD scriptStart = 0;

BOOL CALLBACK matchCalc(HWND window, LPARAM found) {
    char caption[32] = "";
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, caption, sizeof caption);
    if (lstrcmpA(className, "#32770") == 0 && lstrcmpA(caption, "VeboCALC") == 0 &&
        IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK onTick(HWND, UINT, UINT_PTR timer, DWORD) {
    DialogScript* script = activeScript;
    if (script == nullptr)
        return;
    HWND dialog = findCalcDialog();
    if (dialog != nullptr && !script->acted) {
        script->acted = true;
        script->act(dialog);
        return;
    }
    if (GetTickCount() - scriptStart > script->limitMs) {
        script->timedOut = true;
        KillTimer(nullptr, timer);
        if (dialog != nullptr)
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

} // namespace

HWND findCalcDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), matchCalc, reinterpret_cast<LPARAM>(&found));
    return found;
}

INT_PTR driveDialog(DialogScript& script, const std::function<INT_PTR()>& run) {
    activeScript = &script;
    scriptStart = GetTickCount();
    UINT_PTR timer = SetTimer(nullptr, 0, 30, onTick);
    INT_PTR result = run();
    KillTimer(nullptr, timer);
    activeScript = nullptr;
    // A tick already queued must not reach the next test.
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE))
        ;
    return result;
}

void clickKey(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string paintedIndicator(HWND dialog) {
    UpdateWindow(GetDlgItem(dialog, 701));
    return controlText(dialog, 700);
}

std::string controlText(HWND dialog, int id) {
    char text[64] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}
