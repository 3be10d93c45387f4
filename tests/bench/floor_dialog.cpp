// The start-up floor for a dialog program: one modal dialog with one button, painted by the
// system. Built a second time around the calculator's own template, to tell what the template
// costs from what the calculator's code costs.
#include <windows.h>

#ifndef FLOOR_TEMPLATE
#define FLOOR_TEMPLATE "FLOOR"
#endif

namespace {

INT_PTR CALLBACK floorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog, 0);
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return static_cast<int>(DialogBoxParamA(instance, FLOOR_TEMPLATE, nullptr, floorDialogProc, 0));
}
