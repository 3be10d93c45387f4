#ifndef VEBOCALC_RESOURCE_H
#define VEBOCALC_RESOURCE_H
// Identifiers of VeboCALC's resources, included by calc.rc and by the code. Plain #defines,
// so that the platform-free engine can take its key ids from here too.
#include "resource_name.h"

// Resource names (load them by RESOURCE_NAME(id)).
#define IDI_AAA AAA   // the program's icon: the first icon group
#define IDI_LOGO LOGO // the icon on the dialog
#define IDD_VEBOCALC VEBOCALC

// The dialog manager's own buttons, for code built without windows.h.
#ifndef IDOK
#define IDOK 1
#define IDCANCEL 2
#endif

// Controls of the dialog. The digits, the hexadecimal digits and the operators from
// IDC_EQUALS on are consecutive: the engine computes with their offsets.
#define IDC_DECIMAL 101
#define IDC_HEXA 102
#define IDC_DIGIT0 200
#define IDC_DIGIT1 201
#define IDC_DIGIT2 202
#define IDC_DIGIT3 203
#define IDC_DIGIT4 204
#define IDC_DIGIT5 205
#define IDC_DIGIT6 206
#define IDC_DIGIT7 207
#define IDC_DIGIT8 208
#define IDC_DIGIT9 209
#define IDC_POINT 210
#define IDC_SIGN 211
#define IDC_EQUALS 300
#define IDC_ADD 301
#define IDC_SUBTRACT 302
#define IDC_MULTIPLY 303
#define IDC_DIVIDE 304
#define IDC_PERCENT 305
#define IDC_HEX_A 400
#define IDC_HEX_B 401
#define IDC_HEX_C 402
#define IDC_HEX_D 403
#define IDC_HEX_E 404
#define IDC_HEX_F 405
#define IDC_MEMORY_ADD 500
#define IDC_MEMORY_RECALL 501
#define IDC_MEMORY_CLEAR 502
#define IDC_CLEAR 600
#define IDC_INDICATOR 700
#define IDC_DISPLAY 701

#endif
