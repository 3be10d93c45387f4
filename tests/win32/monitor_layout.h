#pragma once
// Desktops other than the test display's single monitor, in place of the system's monitor
// lookup, for the tests of where windows open.
#include "onscreen.h"

#include <windows.h>

// The primary monitor as the test display has it.
constexpr RECT kPrimaryMonitor = {0, 0, 1024, 768};
// A second monitor left of the primary one and reaching above it: all its coordinates but
// one edge are negative.
constexpr RECT kLeftMonitor = {-1280, -200, 0, 824};

// The desktop of kPrimaryMonitor and kLeftMonitor, as a monitor lookup.
HMONITOR WINAPI twoMonitors(LPCRECT place, DWORD flags);

// While one lives, the programs find monitors through `lookup`: twoMonitors, or none at all
// (nullptr: no monitor lookup, as on Windows 95 and NT 4.0).
struct MonitorLookupScope {
    explicit MonitorLookupScope(MonitorLookup lookup);
    ~MonitorLookupScope();
    MonitorLookupScope(const MonitorLookupScope&) = delete;
    MonitorLookupScope& operator=(const MonitorLookupScope&) = delete;

    MonitorLookup saved;
};
