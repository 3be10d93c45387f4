#include "dialog.h"

#include "clipboard.h"
#include "contrast.h"
#include "display.h"
#include "keypad.h"
#include "onscreen.h"
#include "startup.h"

#include <algorithm>
#include <array>

BOOL(WINAPI* keyBeep)(UINT type) = MessageBeep;

namespace {

// The keys whose use depends on the radix.
constexpr std::array<int, 9> kRadixKeys = {
    kIdHexDigitA,     kIdHexDigitA + 1, kIdHexDigitA + 2, kIdHexDigitA + 3, kIdHexDigitA + 4,
    kIdHexDigitA + 5, kIdPoint,         kIdSign,          kIdPercent,
};

void enableRadixKeys(HWND dialog) {
    for (int id : kRadixKeys)
        EnableWindow(GetDlgItem(dialog, id), keyEnabled(id, calc.HexMode != 0) ? TRUE : FALSE);
}

void redrawDisplay(HWND dialog) {
    HWND display = GetDlgItem(dialog, kIdDisplay);
    updateDisplayWindowText(display);
    InvalidateRect(display, nullptr, FALSE);
}

// Only the right and bottom edges pull the dialog back: a negative place is kept, since it
// may be on a screen to the left of or above the primary one.
POINT pulledBack(int x, int y, int width, int height) {
    return {std::min(x, GetSystemMetrics(SM_CXSCREEN) - width),
            std::min(y, GetSystemMetrics(SM_CYSCREEN) - height)};
}

// A place that no monitor shows any more (a screen that is gone, a value written by hand)
// gives way to the first run's place, so that the calculator is seen.
void placeDialog(HWND dialog) {
    RECT frame = {};
    GetWindowRect(dialog, &frame);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    POINT place = pulledBack(startup.WinX, startup.WinY, width, height);
    if (!touchesMonitor(place.x, place.y, width, height))
        place = pulledBack(kDefaultPlace, kDefaultPlace, width, height);
    startup.WinX = place.x;
    startup.WinY = place.y;
    MoveWindow(dialog, startup.WinX, startup.WinY, width, height, TRUE);
}

// For the mouse and Alt+Space: Copy and Paste at the top of the system menu.
void addClipboardCommands(HWND dialog) {
    HMENU menu = GetSystemMenu(dialog, FALSE);
    InsertMenuA(menu, 0, MF_BYPOSITION | MF_STRING, kCommandCopy, kCopyItem);
    InsertMenuA(menu, 1, MF_BYPOSITION | MF_STRING, kCommandPaste, kPasteItem);
    InsertMenuA(menu, 2, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

INT_PTR onInitDialog(HWND dialog) {
    resetCalc(calc, startup);
    updateDisplayWindowText(GetDlgItem(dialog, kIdDisplay));
    SetDlgItemTextA(dialog, kIdIndicator, " ");
    CheckRadioButton(dialog, kIdDecimal, kIdHexa, kIdDecimal);
    enableRadixKeys(dialog);
    placeDialog(dialog);
    addClipboardCommands(dialog);
    return TRUE;
}

void recordPlace(HWND dialog) {
    RECT frame = {};
    if (GetWindowRect(dialog, &frame)) {
        startup.WinX = frame.left;
        startup.WinY = frame.top;
    }
}

// The engine has stored the value and memory; the place is the platform's to give.
void endCalculator(HWND dialog) {
    recordPlace(dialog);
    EndDialog(dialog, 1);
}

// Windows may end the process as soon as this returns: what the end of the dialog would store
// is stored now.
void onSessionEnd(HWND dialog) {
    startup.OldVal = calc.Accum; // as at the end: a number still being typed is not saved
    startup.OldMem = calc.Memory;
    recordPlace(dialog);
    saveCalcValuesOnce();
}

void applyEffects(HWND dialog, const KeyEffects& effects) {
    if (effects.beep)
        keyBeep(MB_OK);
    if (effects.checkRadio != 0)
        CheckRadioButton(dialog, kIdDecimal, kIdHexa, effects.checkRadio);
    if (effects.redraw)
        redrawDisplay(dialog);
    if (effects.enableKeys)
        enableRadixKeys(dialog);
    if (effects.endDialog)
        endCalculator(dialog);
}

INT_PTR onCommand(HWND dialog, int id) {
    KeyEffects effects = pressKey(calc, startup, id);
    if (!effects.handled)
        return FALSE;
    applyEffects(dialog, effects);
    return TRUE;
}

INT_PTR onSysCommand(HWND dialog, UINT command) {
    if (command == kCommandCopy) {
        if (!copyShownNumber(dialog))
            keyBeep(MB_OK);
        return TRUE;
    }
    if (command == kCommandPaste) {
        applyEffects(dialog, pasteClipboardNumber(dialog));
        return TRUE;
    }
    return FALSE; // Move, Close and the rest: the default processing
}

} // namespace

INT_PTR CALLBACK calcDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return onInitDialog(dialog);
    case WM_COMMAND:
        return onCommand(dialog, LOWORD(wParam));
    case WM_SYSCOMMAND:
        return onSysCommand(dialog, static_cast<UINT>(wParam & 0xFFF0));
    case WM_ENDSESSION:
        if (wParam)
            onSessionEnd(dialog);
        return TRUE;
    case WM_DRAWITEM:
        paintDisplay(dialog, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        if (readContrastTheme() || message == WM_SYSCOLORCHANGE)
            redrawDisplay(dialog);
        return FALSE; // the standard controls follow by themselves
    default:
        return FALSE;
    }
}
