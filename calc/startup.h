#pragma once
// VeboCALC from start to exit: platform check, drawing kit, the persisted values, the modal
// dialog, and the values stored again.
#include <windows.h>

constexpr char kCalcKey[] = "Software\\Tessaril\\VeboCALC";

// Where the dialog opens on a first run, on both axes (the text is the stored default).
constexpr char kDefaultPlaceText[] = "100";
constexpr int kDefaultPlace = 100;

// Runs the calculator with the template of `instance`. Always returns 0, the exit code.
int runCalculator(HINSTANCE instance);

// Reads Cd, Ld, OldVal and OldMem into `startup` (creating the key on a first run).
void loadCalcValues();

// Writes the four values of `startup` in the same order: places as "%d", numbers as "%.6lf"
// (an infinity or NaN as a text that reads back as infinity).
void saveCalcValues();

// saveCalcValues, once a run: when the session ends, and otherwise after the dialog.
void saveCalcValuesOnce();
