#pragma once
// A desktop of two monitors in place of the system's monitor lookup, for the tests of where
// windows open (the test display has a single monitor).
#include <windows.h>

// The primary monitor as the test display has it.
constexpr RECT kPrimaryMonitor = {0, 0, 1024, 768};
// A second monitor left of the primary one and reaching above it: all its coordinates but
// one edge are negative.
constexpr RECT kLeftMonitor = {-1280, -200, 0, 824};

// While one lives, the programs see both monitors.
struct TwoMonitors {
    TwoMonitors();
    ~TwoMonitors();
    TwoMonitors(const TwoMonitors&) = delete;
    TwoMonitors& operator=(const TwoMonitors&) = delete;
};
