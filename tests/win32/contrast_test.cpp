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

// The system's answers while it lives; the real system's, read again, afterwards.
struct ThemeScope {
    explicit ThemeScope(Answer answer, DWORD(WINAPI* colours)(int) = testColour) {
        given = answer;
        contrastSeam = {answerHighContrast, colours};
    }
    ~ThemeScope() {
        contrastSeam = kRealContrast;
        readContrastTheme();
    }
};

// A 32-bit top-down DIB section, painted into and read back.
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
    COLORREF at(int x, int y) const { return GetPixel(dc, x, y); }
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = nullptr;
    void* bits = nullptr;
};

enum class Part { kBand, kWave, kDisplay };

// A sound window's client area at the DPI (its picture, or its band playing at half the length,
// paused at 192 DPI), or the calculator's 160 by 40 display.
void paint(HDC dc, Part part, int dpi) {
    player.instance = GetModuleHandleA(nullptr);
    int side = scaledToDpi(128, dpi);
    int band = scaledToDpi(20, dpi);
    DRAWITEMSTRUCT item = {ODT_STATIC, kIdDisplay,      0, ODA_DRAWENTIRE, 0, nullptr,
                           dc,         {0, 0, 160, 40}, 0};
    if (part == Part::kBand)
        drawBand(dc, BandLayout{side, side + band, 0, 0, 0, band, band, false}, 50, 100, dpi > 96);
    else if (part == Part::kWave)
        DrawResourceBitmap(dc, "WAVE", 0, 0, {side, side}, &kWaveTheme);
    else
        paintDisplay(nullptr, &item);
}

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
    struct Spot {
        int x, y, colour; // colour: a system colour index
    };
    // Track frame (top, left, bottom, right), elapsed and rest at the split; STOP's glyph, face,
    // top edge, inner shadow and outer edge; PAUSE's bar and the gap between.
    const std::vector<Spot> band96 = {{10, 128, kText},  {0, 137, kText},   {10, 147, kText},
                                      {87, 137, kText},  {1, 129, kLit},    {43, 137, kLit},
                                      {44, 137, kFace},  {86, 146, kFace},  {97, 137, kText},
                                      {91, 131, kFace},  {93, 128, kText},  {106, 133, kFace},
                                      {107, 133, kText}, {114, 137, kText}, {117, 137, kFace}};
    // The same doubled, and PLAY (paused): its bar, the gap and the triangle.
    const std::vector<Spot> band192 = {
        {20, 256, kText},  {0, 275, kText},   {20, 295, kText},  {175, 275, kText},
        {1, 257, kLit},    {87, 275, kLit},   {88, 275, kFace},  {174, 294, kFace},
        {195, 275, kText}, {181, 261, kFace}, {186, 257, kText}, {213, 266, kFace},
        {215, 266, kText}, {227, 275, kText}, {231, 275, kFace}, {238, 275, kText}};
    // A letter's white and silver pixels, the background's black and grey; the display's
    // outline on all four sides and its panel.
    const struct {
        Part part;
        int dpi;
        std::vector<Spot> spots;
    } cases[] = {
        {Part::kBand, 96, band96},
        {Part::kBand, 192, band192},
        {Part::kWave, 96, {{26, 7, kInk}, {33, 7, kInk}, {0, 0, kPaper}, {4, 0, kPaper}}},
        {Part::kWave, 192, {{53, 15, kInk}, {67, 15, kInk}, {1, 1, kPaper}, {9, 0, kPaper}}},
        {Part::kDisplay,
         96,
         {{0, 20, kInk}, {80, 0, kInk}, {158, 20, kInk}, {80, 38, kInk}, {5, 30, kPaper}}},
    };
    ThemeScope theme(Answer::kOn);
    readContrastTheme();
    calc = CalcState{};
    for (const auto& item : cases) {
        Picture picture(300, 300);
        paint(picture.dc, item.part, item.dpi);
        for (const Spot& spot : item.spots)
            EXPECT_EQ(picture.at(spot.x, spot.y), testColour(spot.colour))
                << static_cast<int>(item.part) << " at " << item.dpi << " DPI: " << spot.x << ", "
                << spot.y;
        int digits = 0; // the number's pixels in the window text colour
        for (int y = 8; item.part == Part::kDisplay && y < 32; ++y)
            for (int x = 8; x < 152; ++x)
                digits += picture.at(x, y) == testColour(kInk);
        EXPECT_TRUE(item.part != Part::kDisplay || digits > 10) << digits;
    }
}

TEST(ContrastTheme, OnOnlyWhenTheSystemSaysSo) {
    for (auto [answer, on] : {std::pair{Answer::kOn, true}, std::pair{Answer::kOff, false},
                              std::pair{Answer::kFails, false}}) {
        ThemeScope theme(answer);
        readContrastTheme();
        EXPECT_EQ(contrastThemeOn(), on) << static_cast<int>(answer);
    }
}

// Under each of Windows' own themes the sound window shows the theme's colours and no other.
// The painting, with the display beside it, is the README's picture: its pixels (BGRA, 648 by
// 164) go to the file VEBO_CONTRAST_SCREENSHOT names.
TEST(ContrastTheme, SoundWindowShowsOnlyTheThemesColours) {
    Picture picture(648, 164);
    RECT all = {0, 0, 648, 164};
    FillRect(picture.dc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    for (auto colours : {highContrastBlack, highContrastWhite}) {
        int left = colours == highContrastBlack ? 0 : 324;
        ThemeScope theme(Answer::kOn, colours);
        readContrastTheme();
        SetViewportOrgEx(picture.dc, left + 8, 8, nullptr);
        paint(picture.dc, Part::kWave, 96);
        paint(picture.dc, Part::kBand, 96);
        SetViewportOrgEx(picture.dc, left + 152, 62, nullptr);
        paint(picture.dc, Part::kDisplay, 96);
        SetViewportOrgEx(picture.dc, 0, 0, nullptr);
        for (int y = 8; y < 156; ++y)
            for (int x = left + 8; x < left + 136; ++x) {
                COLORREF at = picture.at(x, y);
                ASSERT_TRUE(at == colours(COLOR_WINDOW) || at == colours(COLOR_WINDOWTEXT) ||
                            at == colours(COLOR_HIGHLIGHT))
                    << x << ", " << y;
            }
    }
    const char* name = std::getenv("VEBO_CONTRAST_SCREENSHOT");
    if (FILE* file = name ? std::fopen(name, "wb") : nullptr) {
        std::fwrite(picture.bits, 4, 648 * 164, file);
        std::fclose(file);
    }
}

using WindowContrast = PlayerWindow;

// The calculator's display, the player's sound picture at once and its band at the next tick.
TEST_F(WindowContrast, ThemeChangeRepaintsInTheSystemColours) {
    HWND dialog =
        CreateDialogParamA(GetModuleHandleA(nullptr), "VEBOCALC", nullptr, calcDialogProc, 0);
    HWND display = GetDlgItem(dialog, kIdDisplay);
    for (UINT message : {WM_SYSCOLORCHANGE, WM_SETTINGCHANGE}) {
        ASSERT_NE(open("C:\\song.wav"), nullptr); // which makes the kit
        InvalidateRect(display, nullptr, FALSE);  // the kit's and the art's, until Windows says
        EXPECT_EQ(shown(display, 4, 4), RGB(0, 0, 0));
        EXPECT_EQ(shown(window, 26, 7), kWhitePixel);
        ThemeScope theme(Answer::kOn);
        SendMessageA(dialog, message, 0, 0);
        EXPECT_EQ(shown(display, 4, 4), testColour(COLOR_WINDOW)) << message;
        contrastTheme = false; // the player must read the theme itself
        SendMessageA(window, message, 0, 0);
        EXPECT_EQ(shown(window, 26, 7), testColour(COLOR_WINDOWTEXT)) << message;
        EXPECT_EQ(pixel(0, 0), testColour(COLOR_WINDOW)) << message;
        tick();
        EXPECT_EQ(pixel(97, 137), testColour(COLOR_BTNTEXT)) << message; // STOP's square
    }
    DestroyWindow(dialog);
}
