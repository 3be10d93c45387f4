// runCalculator in this process, through the real registry of the prefix (sandboxed per
// process): the four values read before the dialog and written after it.
#include "calc_driver.h"
#include "calc/dialog.h"
#include "calc/keypad.h"
#include "monitor_layout.h"
#include "registry_sandbox.h"
#include "calc/startup.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

BOOL WINAPI silentBeep(UINT) {
    return TRUE;
}

std::string stored(const char* name) {
    std::string text;
    return registryReadText(kCalcKey, name, text) ? text : "(missing)";
}

std::string shownText() {
    char text[100] = "";
    displayText(calc, text, sizeof text);
    return text;
}

class CalcStartup : public ::testing::Test {
  protected:
    void SetUp() override { keyBeep = silentBeep; }
    void TearDown() override { keyBeep = MessageBeep; }

    // One run of the program; `act` sees the dialog once it is up and must end it.
    int run(std::function<void(HWND)> act) {
        DialogScript script;
        script.act = std::move(act);
        int code = static_cast<int>(
            driveDialog(script, [] { return runCalculator(GetModuleHandleA(nullptr)); }));
        EXPECT_TRUE(script.acted);
        EXPECT_FALSE(script.timedOut);
        return code;
    }
    static void type(HWND dialog, const char* keys) {
        for (const char* k = keys; *k != '\0'; ++k) {
            int id = *k == '/' ? kIdDivide : *k == '=' ? kIdEquals : kIdDigit0 + (*k - '0');
            clickKey(dialog, id);
        }
    }
    static void end(HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }
    static RECT frame(HWND dialog) {
        RECT r = {};
        GetWindowRect(dialog, &r);
        return r;
    }
    // One run that only looks where the dialog opened.
    RECT openedPlace() {
        RECT place = {};
        run([&](HWND d) {
            place = frame(d);
            end(d);
        });
        return place;
    }

    RegistrySandbox sandbox;
};

} // namespace

TEST_F(CalcStartup, FirstRunWithoutTheKeyPlacesAt100AndStoresAllFourValues) {
    ASSERT_FALSE(registryHasKey(kCalcKey));
    RECT place = {};
    double accum = -1, memory = -1;
    int code = run([&](HWND d) {
        place = frame(d);
        accum = calc.Accum;
        memory = calc.Memory;
        end(d);
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(place.left, 100);
    EXPECT_EQ(place.top, 100);
    EXPECT_EQ(accum, 0.0);
    EXPECT_EQ(memory, 0.0);
    EXPECT_EQ(stored("Cd"), "100");
    EXPECT_EQ(stored("Ld"), "100");
    EXPECT_EQ(stored("OldVal"), "0.000000");
    EXPECT_EQ(stored("OldMem"), "0.000000");
}

TEST_F(CalcStartup, StoredPlacesAreTruncatedTowardZero) {
    registryWriteText(kCalcKey, "Cd", "250.9");
    registryWriteText(kCalcKey, "Ld", "-30.7");
    RECT place = openedPlace();
    EXPECT_EQ(place.left, 250);
    EXPECT_EQ(place.top, -30);
    EXPECT_EQ(stored("Cd"), "250");
    EXPECT_EQ(stored("Ld"), "-30");
}

TEST_F(CalcStartup, NegativePlaceIsRestoredAndStoredAgain) {
    registryWriteText(kCalcKey, "Cd", "-30");
    registryWriteText(kCalcKey, "Ld", "20");
    RECT place = openedPlace();
    EXPECT_EQ(place.left, -30);
    EXPECT_EQ(place.top, 20);
    EXPECT_EQ(stored("Cd"), "-30");
}

TEST_F(CalcStartup, PlaceWhollyOffTheScreenOpensAtTheFirstRunPlace) {
    registryWriteText(kCalcKey, "Cd", "-5000");
    registryWriteText(kCalcKey, "Ld", "-5000");
    RECT place = openedPlace();
    EXPECT_EQ(place.left, 100);
    EXPECT_EQ(place.top, 100);
    EXPECT_EQ(stored("Cd"), "100");
    EXPECT_EQ(stored("Ld"), "100");
}

TEST_F(CalcStartup, PlaceOnAMonitorLeftOfThePrimaryOneIsKept) {
    MonitorLookupScope monitors(twoMonitors);
    registryWriteText(kCalcKey, "Cd", "-1000");
    registryWriteText(kCalcKey, "Ld", "-150");
    RECT place = openedPlace();
    EXPECT_EQ(place.left, -1000);
    EXPECT_EQ(place.top, -150);
}

// Without the system's monitor lookup (Windows 95, NT 4.0) the primary screen is the only
// monitor: what shares a pixel with it is kept, the rest opens at the first run's place.
TEST_F(CalcStartup, WithoutMonitorLookupOnlyThePrimaryScreenCounts) {
    MonitorLookupScope singleScreen(nullptr);
    registryWriteText(kCalcKey, "Cd", "-30");
    registryWriteText(kCalcKey, "Ld", "20");
    RECT place = openedPlace();
    EXPECT_EQ(place.left, -30);
    EXPECT_EQ(place.top, 20);
    registryWriteText(kCalcKey, "Cd", "-1000"); // on the left monitor, where there is one
    registryWriteText(kCalcKey, "Ld", "-150");
    place = openedPlace();
    EXPECT_EQ(place.left, 100);
    EXPECT_EQ(place.top, 100);
    EXPECT_EQ(stored("Cd"), "100");
}

TEST_F(CalcStartup, PlaceBeyondTheScreenIsStoredAsCorrected) {
    registryWriteText(kCalcKey, "Cd", "5000");
    registryWriteText(kCalcKey, "Ld", "4000");
    RECT place = openedPlace();
    EXPECT_EQ(place.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(place.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(stored("Cd"), std::to_string(place.left));
    EXPECT_EQ(stored("Ld"), std::to_string(place.top));
}

TEST_F(CalcStartup, LettersAsTheValueRestoreZero) {
    registryWriteText(kCalcKey, "OldVal", "letters");
    registryWriteText(kCalcKey, "OldMem", "abc");
    double accum = -1, memory = -1;
    run([&](HWND d) {
        accum = calc.Accum;
        memory = calc.Memory;
        end(d);
    });
    EXPECT_EQ(accum, 0.0);
    EXPECT_EQ(memory, 0.0);
    EXPECT_EQ(stored("OldVal"), "0.000000");
}

TEST_F(CalcStartup, OneThirdIsStoredToSixDecimalsAndShownAtTheNextStart) {
    run([&](HWND d) {
        type(d, "1/3=");
        end(d);
    });
    EXPECT_EQ(stored("OldVal"), "0.333333");
    std::string shown;
    double accum = 0;
    run([&](HWND d) {
        accum = calc.Accum;
        shown = shownText();
        end(d);
    });
    EXPECT_EQ(accum, 0.333333);
    EXPECT_EQ(shown, "       0.333333");
}

TEST_F(CalcStartup, MemoryIsStoredAndRestored) {
    run([&](HWND d) {
        type(d, "25");
        clickKey(d, kIdMemoryAdd);
        end(d);
    });
    EXPECT_EQ(stored("OldMem"), "25.000000");
    EXPECT_EQ(stored("OldVal"), "0.000000"); // 25 was still being typed
    std::string indicator;
    run([&](HWND d) {
        indicator = paintedIndicator(d);
        end(d);
    });
    EXPECT_EQ(indicator, "M");
}

TEST_F(CalcStartup, TinyValuesAreRestoredAsZero) {
    run([&](HWND d) {
        type(d, "1/3000000=");
        end(d);
    });
    EXPECT_EQ(stored("OldVal"), "0.000000");
    double accum = -1;
    run([&](HWND d) {
        accum = calc.Accum;
        end(d);
    });
    EXPECT_EQ(accum, 0.0);
}

TEST_F(CalcStartup, ValuesAreWrittenEvenWhenNothingChanged) {
    registryWriteText(kCalcKey, "OldVal", "7");
    registryWriteText(kCalcKey, "Cd", "+40");
    run([&](HWND d) { end(d); });
    EXPECT_EQ(stored("OldVal"), "7.000000");
    EXPECT_EQ(stored("Cd"), "40");
}

TEST_F(CalcStartup, WhenTheDialogCannotBeMadeTheValuesReadAreWrittenBackAndExitIsZero) {
    registryWriteText(kCalcKey, "Cd", "5000");
    registryWriteText(kCalcKey, "OldVal", "2.5");
    // kernel32 holds no dialog template VEBOCALC.
    EXPECT_EQ(runCalculator(GetModuleHandleA("kernel32.dll")), 0);
    EXPECT_EQ(stored("Cd"), "5000");
    EXPECT_EQ(stored("Ld"), "100");
    EXPECT_EQ(stored("OldVal"), "2.500000");
    EXPECT_EQ(stored("OldMem"), "0.000000");
}

// The stored texts themselves, without a dialog.
TEST_F(CalcStartup, LargestValuesAreStoredWholeAndReadBack) {
    loadCalcValues();
    startup.OldVal = -DBL_MAX;
    startup.OldMem = DBL_MAX;
    saveCalcValues();
    EXPECT_EQ(stored("OldVal").size(), 317u);
    EXPECT_EQ(stored("OldMem").size(), 316u);
    startup = {};
    loadCalcValues();
    EXPECT_EQ(startup.OldVal, -DBL_MAX);
    EXPECT_EQ(startup.OldMem, DBL_MAX);
}

TEST_F(CalcStartup, OverflowedValuesStayOverflowedAtTheNextStart) {
    loadCalcValues();
    startup.OldVal = HUGE_VAL;
    startup.OldMem = -HUGE_VAL;
    saveCalcValues();
    EXPECT_EQ(stored("OldVal"), "1.0000000000e999");
    EXPECT_EQ(stored("OldMem"), "-1.0000000000e999");
    startup.OldVal = 1;
    startup.OldMem = 1;
    loadCalcValues();
    EXPECT_EQ(startup.OldVal, HUGE_VAL);
    EXPECT_EQ(startup.OldMem, -HUGE_VAL);
    startup.OldVal = std::nan("");
    saveCalcValues();
    loadCalcValues();
    EXPECT_TRUE(std::isinf(startup.OldVal)); // never a finite number
}

TEST_F(CalcStartup, PlacesBeyondTheIntRangeAreClampedNotUndefined) {
    registryWriteText(kCalcKey, "Cd", "1e30");
    registryWriteText(kCalcKey, "Ld", "-1e30");
    loadCalcValues();
    EXPECT_EQ(startup.WinX, INT_MAX);
    EXPECT_EQ(startup.WinY, INT_MIN);
}

TEST_F(CalcStartup, SessionEndStoresTheFourValuesAtOnceAndTheEndDoesNotAgain) {
    const char* names[] = {"Cd", "Ld", "OldVal", "OldMem"};
    std::vector<std::string> atCancelledEnd, atSessionEnd;
    run([&](HWND d) {
        SetWindowPos(d, nullptr, 150, 160, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        type(d, "1/3=");
        clickKey(d, kIdMemoryAdd);
        SendMessageA(d, WM_ENDSESSION, FALSE, 0); // the session goes on
        for (const char* name : names)
            atCancelledEnd.push_back(stored(name));
        SendMessageA(d, WM_ENDSESSION, TRUE, 0);
        for (const char* name : names)
            atSessionEnd.push_back(stored(name));
        registryWriteText(kCalcKey, "OldVal", "7");
        end(d);
    });
    EXPECT_EQ(atCancelledEnd, std::vector<std::string>(4, "(missing)"));
    EXPECT_EQ(atSessionEnd, (std::vector<std::string>{"150", "160", "0.333333", "0.333333"}));
    EXPECT_EQ(stored("OldVal"), "7"); // stored once a run
}
