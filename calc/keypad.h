#pragma once
// The keypad engine of the calculator: every key press as a change of CalcState, and what the
// dialog must then do on the platform. Platform-free.
#include "numtext.h"
#include "resource.h"

#include <cstddef>

// The controls of the dialog that the engine knows, by their ids in resource.h.
enum ControlId : int {
    kIdOk = IDOK,
    kIdCancel = IDCANCEL,
    kIdDecimal = IDC_DECIMAL,
    kIdHexa = IDC_HEXA,
    kIdDigit0 = IDC_DIGIT0, // the ten digits are consecutive
    kIdPoint = IDC_POINT,
    kIdSign = IDC_SIGN,
    kIdEquals = IDC_EQUALS,
    kIdAdd = IDC_ADD,
    kIdSubtract = IDC_SUBTRACT,
    kIdMultiply = IDC_MULTIPLY,
    kIdDivide = IDC_DIVIDE,
    kIdPercent = IDC_PERCENT,
    kIdHexDigitA = IDC_HEX_A, // the six digits A-F are consecutive
    kIdMemoryAdd = IDC_MEMORY_ADD,
    kIdMemoryRecall = IDC_MEMORY_RECALL,
    kIdMemoryClear = IDC_MEMORY_CLEAR,
    kIdClear = IDC_CLEAR,
    kIdIndicator = IDC_INDICATOR,
    kIdDisplay = IDC_DISPLAY,
};

enum PendingOperator : int {
    kOpNone = 0,
    kOpAdd = 1,
    kOpSub = 2,
    kOpMul = 3,
    kOpDiv = 4,
    kOpPercent = 5,
};

constexpr int kEntryTypedLimit = 14;

// Room for typed input and for every text a memory recall or a radix change can produce
// (the longest "%.6lf" of a double has 317 characters with its sign), so no digit is lost.
constexpr std::size_t kEntrySize = 320;

struct CalcState {
    double Accum;
    double Operand;
    double Memory;
    double PctBase;
    PendingOperator PendingOp;
    int HexMode;
    int Typing;
    char Entry[kEntrySize];
};

// What the values were at start and are to be stored at the end.
struct StartupValues {
    int WinX;
    int WinY;
    double OldVal;
    double OldMem;
};

extern CalcState calc;
extern StartupValues startup;

// What the platform must do after a key.
struct KeyEffects {
    bool handled;    // false: the id is not a key of the calculator
    bool beep;       // MessageBeep(MB_OK)
    bool redraw;     // invalidate the display
    int checkRadio;  // 0, or the radix button to check (kIdDecimal or kIdHexa)
    bool enableKeys; // set the enabled keys for the radix in force
    bool endDialog;  // the dialog ends (OldVal and OldMem have been stored)
};

// Sets the state for a new dialog from the start-up values.
void resetCalc(CalcState& state, const StartupValues& values);

// Applies one control id to the state.
KeyEffects pressKey(CalcState& state, StartupValues& values, int id);

// Whether a key is enabled in the given radix (keys that do not depend on it: true).
bool keyEnabled(int id, bool hexMode);

// The display field for the state (kDisplayWidth characters), into an area of `capacity`
// bytes (at least kDisplayWidth + 1).
void displayText(const CalcState& state, char* text, std::size_t capacity);

// The display field without its padding blanks ("-12.5", "0F"): what the display carries as
// its window text and what a copy takes. False when the display shows the overflow text, which
// is no number (the text is then "-----------").
using ShownNumber = char[kDisplayWidth + 1];
bool shownNumber(const CalcState& state, ShownNumber& text);

// The memory indicator text: "M" when Memory is not 0, else " ".
const char* memoryIndicator(const CalcState& state);
