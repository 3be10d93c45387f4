#pragma once
// Calculator keys written as one character each, so key sequences read like what is pressed.
#include "calc/keypad.h"

// Digits, A-F, '.' point, 's' Sig, '=' '+' '-' '*' '/' '%', 'M' M+, 'R' Mr, 'c' Mc,
// 'L' CLEAR, 'd' Decimal, 'h' Hexa, 'O' Ok, 'X' IDCANCEL. Any other character: -1.
inline int keyId(char c) {
    if (c >= '0' && c <= '9')
        return kIdDigit0 + (c - '0');
    if (c >= 'A' && c <= 'F')
        return kIdHexDigitA + (c - 'A');
    switch (c) {
    case '.':
        return kIdPoint;
    case 's':
        return kIdSign;
    case '=':
        return kIdEquals;
    case '+':
        return kIdAdd;
    case '-':
        return kIdSubtract;
    case '*':
        return kIdMultiply;
    case '/':
        return kIdDivide;
    case '%':
        return kIdPercent;
    case 'M':
        return kIdMemoryAdd;
    case 'R':
        return kIdMemoryRecall;
    case 'c':
        return kIdMemoryClear;
    case 'L':
        return kIdClear;
    case 'd':
        return kIdDecimal;
    case 'h':
        return kIdHexa;
    case 'O':
        return kIdOk;
    case 'X':
        return kIdCancel;
    default:
        return -1;
    }
}
