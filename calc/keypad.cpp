#include "keypad.h"

#include "numtext.h"
#include "text.h"

#include <algorithm>
#include <cstring>

CalcState calc;
StartupValues startup;

// How the engine holds what the display cannot:
// - Entry (kEntrySize bytes) holds every recalled or converted text whole, so a recall or a
//   radix change never changes the value; typed input keeps its 14-character limit.
// - Infinite and NaN results are kept as they are. Their texts (kOverflowNumberText,
//   kHexOverflowText) are longer than the display, so it shows the overflow text, and read
//   back as infinity, so a recall, a radix change or the stored value never turns an overflow
//   into a finite number. NaN (for instance infinity minus infinity) reads back as infinity.
// - A key whose button is disabled in the radix in force (A-F in decimal mode; point, Sig
//   and percent in hexadecimal mode) is ignored if it arrives anyway: a decimal entry must
//   not take hexadecimal digits, nor a hexadecimal one a point or a sign.

namespace {

std::size_t entryLength(const CalcState& state) {
    return std::strlen(state.Entry);
}

void clearEntry(CalcState& state) {
    state.Entry[0] = '\0';
    state.Typing = 0;
}

void convertEntry(CalcState& state) {
    state.Operand = state.HexMode ? parseHex(state.Entry) : textToNumber(state.Entry);
}

void applyPendingOperator(CalcState& state) {
    switch (state.PendingOp) {
    case kOpNone:
    case kOpAdd:
        state.Accum = addNumbers(state.Operand, state.Accum);
        break;
    case kOpSub:
        state.Accum = subtractNumbers(state.Accum, state.Operand);
        break;
    case kOpMul:
        state.Accum = multiplyNumbers(state.Operand, state.Accum);
        break;
    case kOpDiv:
        state.Accum = state.Operand == 0.0 ? 0.0 : divideNumbers(state.Accum, state.Operand);
        break;
    default: // kOpPercent: the result stands
        break;
    }
}

// A number typed while no operator is pending (or on a percent result) starts anew.
void startNumber(CalcState& state) {
    if (state.PendingOp == kOpNone || state.PendingOp == kOpPercent) {
        state.PendingOp = kOpNone;
        state.Accum = 0.0;
    }
}

KeyEffects beep() {
    KeyEffects effects{};
    effects.handled = true;
    effects.beep = true;
    return effects;
}

KeyEffects redraw() {
    KeyEffects effects{};
    effects.handled = true;
    effects.redraw = true;
    return effects;
}

KeyEffects nothing() {
    KeyEffects effects{};
    effects.handled = true;
    return effects;
}

KeyEffects typeCharacter(CalcState& state, char c) {
    std::size_t length = entryLength(state);
    if (length >= static_cast<std::size_t>(kEntryTypedLimit))
        return beep();
    state.Entry[length] = c;
    state.Entry[length + 1] = '\0';
    state.Typing = 1;
    startNumber(state);
    return redraw();
}

KeyEffects decimalPoint(CalcState& state) {
    std::size_t length = entryLength(state);
    if (length >= static_cast<std::size_t>(kEntryTypedLimit) ||
        std::strchr(state.Entry, '.') != nullptr)
        return beep();
    if (length == 0)
        copyText(state.Entry, kEntrySize, "0.");
    else
        copyText(state.Entry + length, kEntrySize - length, ".");
    state.Typing = 1;
    startNumber(state);
    return redraw();
}

KeyEffects sign(CalcState& state) {
    if (state.Typing == 0) {
        state.Accum = -state.Accum;
    } else if (state.Entry[0] == '-') {
        state.Entry[0] = ' ';
        trimBlanks(state.Entry);
        // A lone "-" cannot arise (the sign is put only before a text), but an entry must
        // never be left empty while Typing says it is being typed.
        if (state.Entry[0] == '\0')
            clearEntry(state);
    } else {
        // Room is always there: the longest text an entry takes is 317 of 319 characters.
        std::size_t length = entryLength(state);
        if (length + 2 <= kEntrySize) {
            std::memmove(state.Entry + 1, state.Entry, length + 1);
            state.Entry[0] = '-';
        }
    }
    if (state.PendingOp == kOpPercent) {
        state.PendingOp = kOpNone;
        state.Accum = 0.0;
    }
    return redraw();
}

PendingOperator operatorOf(int id) {
    return static_cast<PendingOperator>(id - kIdEquals);
}

KeyEffects operatorKey(CalcState& state, int id) {
    convertEntry(state);
    if (state.PendingOp == kOpPercent) {
        if (id == kIdAdd)
            state.Accum = addNumbers(state.PctBase, state.Accum);
        else if (id == kIdSubtract)
            state.Accum = subtractNumbers(state.PctBase, state.Accum);
        else
            state.Accum = 0.0;
        clearEntry(state);
        state.PendingOp = kOpNone;
        return redraw();
    }
    if (state.Entry[0] == '\0') {
        state.PendingOp = operatorOf(id); // a second operator in a row replaces the first
        return nothing();
    }
    applyPendingOperator(state);
    state.PendingOp = operatorOf(id);
    clearEntry(state);
    return redraw();
}

KeyEffects equals(CalcState& state) {
    if (state.Entry[0] == '\0') {
        state.PendingOp = kOpNone; // equals never repeats the last operation
        return nothing();
    }
    convertEntry(state);
    applyPendingOperator(state);
    state.PendingOp = kOpNone;
    clearEntry(state);
    return redraw();
}

KeyEffects percent(CalcState& state) {
    if (state.Entry[0] == '\0' || state.Typing != 1 || state.PendingOp != kOpMul)
        return beep();
    convertEntry(state);
    state.PctBase = state.Accum;
    state.Accum = multiplyNumbers(multiplyNumbers(state.Accum, state.Operand), 0.01);
    state.PendingOp = kOpPercent;
    clearEntry(state);
    return redraw();
}

KeyEffects memoryAdd(CalcState& state) {
    if (state.Entry[0] == '\0') {
        state.Memory = addNumbers(state.Accum, state.Memory);
    } else {
        convertEntry(state);
        state.Memory = addNumbers(state.Operand, state.Memory);
    }
    return redraw();
}

KeyEffects memoryRecall(CalcState& state) {
    if (state.Memory == 0.0)
        return nothing();
    if (state.HexMode)
        formatHex(state.Memory, state.Entry);
    else
        formatFixed6(state.Memory, state.Entry, kEntrySize);
    if (state.PendingOp == kOpPercent) {
        state.PendingOp = kOpNone;
        state.Accum = 0.0;
    }
    state.Typing = 1;
    return redraw();
}

KeyEffects clear(CalcState& state) {
    if (state.Entry[0] != '\0') {
        clearEntry(state);
    } else {
        state.Accum = 0.0;
        state.PendingOp = kOpNone;
    }
    return redraw();
}

KeyEffects radix(CalcState& state, int id) {
    int hexMode = id - kIdDecimal;
    if (hexMode != state.HexMode && state.Entry[0] != '\0') {
        if (hexMode) {
            state.Operand = textToNumber(state.Entry);
            formatHex(state.Operand, state.Entry);
        } else {
            state.Operand = parseHex(state.Entry);
            formatFixed0(state.Operand, state.Entry, kEntrySize);
        }
    }
    state.HexMode = hexMode;
    KeyEffects effects = redraw();
    effects.checkRadio = id;
    effects.enableKeys = true;
    return effects;
}

KeyEffects end(const CalcState& state, StartupValues& values) {
    values.OldVal = state.Accum; // a number still being typed is not saved
    values.OldMem = state.Memory;
    KeyEffects effects = nothing();
    effects.endDialog = true;
    return effects;
}

// The engine computes with offsets from these ids.
static_assert(IDC_DIGIT9 - IDC_DIGIT0 == 9 && IDC_HEX_F - IDC_HEX_A == 5, "digits in a row");
static_assert(IDC_ADD - IDC_EQUALS == kOpAdd && IDC_SUBTRACT - IDC_EQUALS == kOpSub &&
                  IDC_MULTIPLY - IDC_EQUALS == kOpMul && IDC_DIVIDE - IDC_EQUALS == kOpDiv,
              "an operator's offset from equals is its pending operator");
static_assert(IDC_HEXA - IDC_DECIMAL == 1, "the radix buttons' offset is the radix flag");

bool isHexDigitKey(int id) {
    return id >= kIdHexDigitA && id <= kIdHexDigitA + 5;
}

bool isDecimalOnlyKey(int id) {
    return id == kIdPoint || id == kIdSign || id == kIdPercent;
}

} // namespace

void resetCalc(CalcState& state, const StartupValues& values) {
    std::memset(state.Entry, 0, sizeof state.Entry);
    state.Typing = 0;
    state.HexMode = 0;
    state.PendingOp = kOpNone;
    state.Operand = 0.0;
    state.PctBase = 0.0;
    state.Accum = values.OldVal;
    state.Memory = values.OldMem;
}

bool keyEnabled(int id, bool hexMode) {
    if (isHexDigitKey(id))
        return hexMode;
    if (isDecimalOnlyKey(id))
        return !hexMode;
    return true;
}

KeyEffects pressKey(CalcState& state, StartupValues& values, int id) {
    if (!keyEnabled(id, state.HexMode != 0))
        return nothing();
    if (id >= kIdDigit0 && id <= kIdDigit0 + 9)
        return typeCharacter(state, static_cast<char>('0' + (id - kIdDigit0)));
    if (isHexDigitKey(id))
        return typeCharacter(state, static_cast<char>('A' + (id - kIdHexDigitA)));
    switch (id) {
    case kIdPoint:
        return decimalPoint(state);
    case kIdSign:
        return sign(state);
    case kIdAdd:
    case kIdSubtract:
    case kIdMultiply:
    case kIdDivide:
        return operatorKey(state, id);
    case kIdPercent:
        return percent(state);
    case kIdEquals:
        return equals(state);
    case kIdMemoryAdd:
        return memoryAdd(state);
    case kIdMemoryRecall:
        return memoryRecall(state);
    case kIdMemoryClear:
        state.Memory = 0.0;
        return redraw();
    case kIdClear:
        return clear(state);
    case kIdDecimal:
    case kIdHexa:
        return radix(state, id);
    case kIdOk:
    case kIdCancel:
        return end(state, values);
    default:
        return KeyEffects{}; // not a key of the calculator: left to the dialog manager
    }
}

void displayText(const CalcState& state, char* text, std::size_t capacity) {
    if (capacity == 0)
        return;
    // Big enough for any entry and for the "%.6lf" of any double, so the field sees it whole.
    char work[kEntrySize];
    if (state.Typing)
        copyText(work, sizeof work, state.Entry);
    else if (state.HexMode)
        formatHex(state.Accum, work);
    else
        formatFixed6(state.Accum, work, sizeof work);
    trimBlanks(work);
    fitDisplayField(work, kDisplayWidth);
    copyText(text, capacity, work);
}

bool shownNumber(const CalcState& state, ShownNumber& text) {
    displayText(state, text, sizeof text);
    // Numbers hold no blanks: every blank of the field is padding, also the ones between the
    // sign column and a right-aligned negative number.
    *std::remove(text, text + std::strlen(text), ' ') = '\0';
    return std::strcmp(text, kOverflowFieldText + std::strspn(kOverflowFieldText, " ")) != 0;
}

const char* memoryIndicator(const CalcState& state) {
    return state.Memory != 0.0 ? "M" : " ";
}
