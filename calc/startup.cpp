#include "startup.h"

#include "clipboard_keys.h"
#include "contrast.h"
#include "dialog.h"
#include "drawkit.h"
#include "keypad.h"
#include "numtext.h"
#include "platform.h"
#include "resource.h"
#include "settings.h"
#include "text.h"

#include <array>

namespace {

// Holds any stored text the store reads whole, and so any "%.6lf" of a double (317 with sign).
using SettingText = std::array<char, kSettingTextLimit + 1>;

// "%.6lf", except that an overflowed value is written as a text that reads back as the same
// infinity: "inf" would come back as 0 (or "1.#INF00" as 1) and hide the overflow.
void writeNumber(const char* name, double value) {
    SettingText text{};
    formatFixed6(value, text.data(), text.size());
    writeSetting(kCalcKey, name, text.data());
}

bool valuesSaved = false;

} // namespace

void loadCalcValues() {
    SettingText text{};
    startup.WinX =
        truncateToInt(readSetting(kCalcKey, "Cd", text.data(), text.size(), kDefaultPlaceText));
    startup.WinY =
        truncateToInt(readSetting(kCalcKey, "Ld", text.data(), text.size(), kDefaultPlaceText));
    startup.OldVal = readSetting(kCalcKey, "OldVal", text.data(), text.size(), "0");
    startup.OldMem = readSetting(kCalcKey, "OldMem", text.data(), text.size(), "0");
}

void saveCalcValues() {
    writeSettingInt(kCalcKey, "Cd", startup.WinX);
    writeSettingInt(kCalcKey, "Ld", startup.WinY);
    writeNumber("OldVal", startup.OldVal);
    writeNumber("OldMem", startup.OldMem);
}

void saveCalcValuesOnce() {
    if (valuesSaved)
        return;
    valuesSaved = true;
    saveCalcValues();
}

int runCalculator(HINSTANCE instance) {
    if (!supportedPlatform())
        return 0;
    setDrawingKit(true);
    readContrastTheme();
    loadCalcValues();
    // Whatever becomes of the dialog, the values go back: as read when it could not be made.
    valuesSaved = false;
    setClipboardKeys(true);
    DialogBoxParamA(instance, RESOURCE_NAME(IDD_VEBOCALC), nullptr, calcDialogProc, 0);
    setClipboardKeys(false);
    saveCalcValuesOnce();
    setDrawingKit(false);
    return 0;
}
