#pragma once
// Contrast themes (High Contrast): whether one is on, and the system colours it asks programs
// to draw their own parts in.
#include <windows.h>

// The two questions put to the system, in one record: tests give the answers (Wine always
// reports the theme off).
struct ContrastSeam {
    BOOL(WINAPI* systemParametersInfo)(UINT action, UINT size, PVOID data, UINT flags);
    DWORD(WINAPI* sysColor)(int index);
};

extern ContrastSeam contrastSeam;
extern const ContrastSeam kRealContrast;

// Asks the system whether a contrast theme is on: at start, and again whenever it says that its
// colours or settings changed. A system that cannot answer (Windows 95 without its
// accessibility options) counts as off. Returns whether the answer changed.
bool readContrastTheme();

// The answer of the last reading (set only by readContrastTheme).
extern bool contrastTheme;
inline bool contrastThemeOn() {
    return contrastTheme;
}

// The system colour `index` (COLOR_WINDOW, COLOR_BTNTEXT, ...).
inline COLORREF systemColour(int index) {
    return contrastSeam.sysColor(index);
}

// Rectangle(left, top, right, bottom) outlined in the system colour `line` and filled with the
// system colour `fill`, with a pen and brush made for it and deleted after it.
void drawSystemBox(HDC dc, int left, int top, int right, int bottom, int line, int fill);
