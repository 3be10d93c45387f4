// Under a contrast theme, given through its seam (Wine always reports none), the parts the
// programs draw themselves take the system's colours, and follow a change at once.
#include "player_window.h"

#include "calc/dialog.h"
#include "calc/display.h"
#include "calc/keypad.h"
#include "calc/resource.h"
#include "contrast.h"
#include "player/band_draw.h"
#include "player/resbitmap.h"
#include "player/state.h"

#include <cstdio>
#include <cstdlib>

namespace {

enum class Answer { kOn, kOff, kFails }; // kFails: a Windows 95 without accessibility options
Answer given = Answer::kOff;

// Answers only a question asked as the system wants it; a failed call leaves the flag set.
BOOL WINAPI answerHighContrast(UINT action, UINT size, PVOID data, UINT) {
    auto* answer = static_cast<HIGHCONTRASTA*>(data);
    if (action != SPI_GETHIGHCONTRAST || size != sizeof *answer || answer->cbSize != size)
        return FALSE;
    answer->dwFlags = given == Answer::kOff ? HCF_AVAILABLE : HCF_AVAILABLE | HCF_HIGHCONTRASTON;
    return given != Answer::kFails;
}

// One colour per system colour index, none of them one of the kit or of the art.
DWORD WINAPI testColour(int index) {
    return RGB(40 + 9 * index, 200 - 7 * index, 17 + 11 * index);
}

// Windows' High Contrast Black and White.
DWORD WINAPI highContrastBlack(int index) {
    return index == COLOR_HIGHLIGHT                          ? RGB(26, 235, 255)
           : index == COLOR_WINDOW || index == COLOR_BTNFACE ? RGB(0, 0, 0)
                                                             : RGB(255, 255, 255);
}
DWORD WINAPI highContrastWhite(int index) {
    return index == COLOR_HIGHLIGHT ? RGB(55, 0, 110) : highContrastBlack(index) ^ 0xFFFFFF;
}

// The system's answers from now on, read as the programs start.
void giveTheme(Answer answer, DWORD(WINAPI* colours)(int) = testColour) {
    given = answer;
    contrastSeam = {answerHighContrast, colours};
    readContrastTheme();
}

// A 32-bit top-down picture holding a sound window's client area at the DPI (its picture, and its
// band playing at half the length, paused at 192 DPI) and, at (144, 54) scaled, the 160 by 40
// display.
struct Picture {
    Picture(int width, int height) {
        BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0},
                           {}};
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        SelectObject(dc, bitmap);
    }
    ~Picture() {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    void paint(int dpi) const {
        player.instance = GetModuleHandleA(nullptr);
        int side = scaledToDpi(128, dpi), band = scaledToDpi(20, dpi);
        POINT display = {scaledToDpi(144, dpi), scaledToDpi(54, dpi)};
        DrawResourceBitmap(dc, "WAVE", 0, 0, {side, side}, &kWaveTheme);
        drawBand(dc, BandLayout{side, side + band, 0, 0, 0, band, band, false}, 50, 100, dpi > 96);
        DRAWITEMSTRUCT item = {ODT_STATIC, kIdDisplay,      0, ODA_DRAWENTIRE, 0, nullptr,
                               dc,         {0, 0, 160, 40}, 0};
        OffsetViewportOrgEx(dc, display.x, display.y, nullptr);
        paintDisplay(nullptr, &item);
        OffsetViewportOrgEx(dc, -display.x, -display.y, nullptr);
    }
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = nullptr;
    void* bits = nullptr;
};

COLORREF shown(HWND window, int x, int y) {
    UpdateWindow(window);
    HDC dc = GetDC(window);
    COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

} // namespace

TEST(ContrastTheme, OwnPartsTakeTheSystemColours) {
    constexpr int kText = COLOR_BTNTEXT, kFace = COLOR_BTNFACE, kLit = COLOR_HIGHLIGHT;
    constexpr int kInk = COLOR_WINDOWTEXT, kPaper = COLOR_WINDOW;
    // DPI, x, y, system colour index: the track's frame, elapsed and rest at the split; STOP's
    // square and face; PAUSE's bar and the gap at 96, PLAY's triangle and face (paused) at 192; a
    // white and a silver pixel of a letter of the sound picture, a black and a grey one of its
    // background; the display's outline and panel.
    const int spots[][4] = {{96, 10, 128, kText},   {96, 43, 137, kLit},    {96, 44, 137, kFace},
                            {96, 97, 137, kText},   {96, 91, 131, kFace},   {96, 114, 137, kText},
                            {96, 117, 137, kFace},  {96, 26, 7, kInk},      {96, 33, 7, kInk},
                            {96, 0, 0, kPaper},     {96, 4, 0, kPaper},     {96, 144, 74, kInk},
                            {96, 302, 74, kInk},    {96, 149, 84, kPaper},  {192, 20, 256, kText},
                            {192, 87, 275, kLit},   {192, 88, 275, kFace},  {192, 195, 275, kText},
                            {192, 181, 261, kFace}, {192, 238, 275, kText}, {192, 231, 275, kFace},
                            {192, 53, 15, kInk},    {192, 67, 15, kInk},    {192, 1, 1, kPaper},
                            {192, 9, 0, kPaper}};
    giveTheme(Answer::kOn);
    calc = CalcState{};
    Picture at96(304, 148), at192(448, 296);
    at96.paint(96);
    at192.paint(192);
    for (auto [dpi, x, y, colour] : spots)
        EXPECT_EQ(GetPixel((dpi == 96 ? at96 : at192).dc, x, y), testColour(colour))
            << dpi << " DPI: " << x << ", " << y;
    int digits = 0; // the number's pixels inside the display's outline
    for (int y = 62; y < 86; ++y)
        for (int x = 152; x < 296; ++x)
            digits += GetPixel(at96.dc, x, y) == testColour(kInk);
    EXPECT_GT(digits, 10);
    // The README's picture, under High Contrast Black and White: BGRA pixels, 648 by 164.
    if (const char* name = std::getenv("VEBO_CONTRAST_SCREENSHOT")) {
        Picture picture(648, 164);
        RECT all = {0, 0, 648, 164};
        FillRect(picture.dc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        for (auto colours : {highContrastBlack, highContrastWhite}) {
            giveTheme(Answer::kOn, colours);
            SetViewportOrgEx(picture.dc, colours == highContrastBlack ? 8 : 332, 8, nullptr);
            picture.paint(96);
        }
        FILE* file = std::fopen(name, "wb");
        ASSERT_NE(file, nullptr) << name;
        std::fwrite(picture.bits, 4, 648 * 164, file);
        std::fclose(file);
    }
}

TEST(ContrastTheme, OnOnlyWhenTheSystemSaysSo) {
    for (auto [answer, on] : {std::pair{Answer::kOn, true}, std::pair{Answer::kOff, false},
                              std::pair{Answer::kFails, false}}) {
        giveTheme(answer);
        EXPECT_EQ(contrastThemeOn(), on) << static_cast<int>(answer);
    }
}

using WindowContrast = PlayerWindow;

// The calculator's display, the player's sound picture at once and its band at the next tick,
// each program reading the theme itself.
TEST_F(WindowContrast, ThemeChangeRepaintsInTheSystemColours) {
    HWND dialog =
        CreateDialogParamA(GetModuleHandleA(nullptr), "VEBOCALC", nullptr, calcDialogProc, 0);
    HWND display = GetDlgItem(dialog, kIdDisplay);
    for (UINT message : {WM_SYSCOLORCHANGE, WM_SETTINGCHANGE}) {
        giveTheme(Answer::kOff);
        ASSERT_NE(open("C:\\song.wav"), nullptr); // the kit's and the art's colours
        InvalidateRect(display, nullptr, FALSE);
        EXPECT_EQ(shown(display, 4, 4), RGB(0, 0, 0));
        EXPECT_EQ(shown(window, 26, 7), kWhitePixel);
        giveTheme(Answer::kOn);
        contrastTheme = false;
        SendMessageA(dialog, message, 0, 0);
        EXPECT_EQ(shown(display, 4, 4), testColour(COLOR_WINDOW)) << message;
        contrastTheme = false;
        SendMessageA(window, message, 0, 0);
        EXPECT_EQ(shown(window, 26, 7), testColour(COLOR_WINDOWTEXT)) << message;
        EXPECT_EQ(pixel(0, 0), testColour(COLOR_WINDOW)) << message;
        tick();
        EXPECT_EQ(pixel(97, 137), testColour(COLOR_BTNTEXT)) << message; // STOP's square
    }
    // Under the same theme another setting repaints nothing, and new colours repaint.
    giveTheme(Answer::kOn, highContrastWhite);
    UpdateWindow(window);
    SendMessageA(window, WM_SETTINGCHANGE, 0, 0);
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
    SendMessageA(window, WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(shown(window, 26, 7), highContrastWhite(COLOR_WINDOWTEXT));
    DestroyWindow(dialog);
}
