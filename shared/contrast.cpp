#include "contrast.h"

bool contrastTheme = false;

const ContrastSeam kRealContrast = {SystemParametersInfoA, GetSysColor};
ContrastSeam contrastSeam = kRealContrast;

bool readContrastTheme() {
    HIGHCONTRASTA answer; // the system fills in all but the size, which is read first
    answer.cbSize = sizeof answer;
    bool before = contrastTheme;
    contrastTheme =
        contrastSeam.systemParametersInfo(SPI_GETHIGHCONTRAST, sizeof answer, &answer, 0) &&
        (answer.dwFlags & HCF_HIGHCONTRASTON) != 0;
    return contrastTheme != before;
}

void drawSystemBox(HDC dc, int left, int top, int right, int bottom, int line, int fill) {
    HGDIOBJ pen = SelectObject(dc, CreatePen(PS_SOLID, 1, systemColour(line)));
    HGDIOBJ brush = SelectObject(dc, CreateSolidBrush(systemColour(fill)));
    Rectangle(dc, left, top, right, bottom);
    DeleteObject(SelectObject(dc, pen));
    DeleteObject(SelectObject(dc, brush));
}
