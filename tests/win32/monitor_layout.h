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

// While one lives, the programs see both monitors.
struct TwoMonitors {
    TwoMonitors();
    ~TwoMonitors();
    TwoMonitors(const TwoMonitors&) = delete;
    TwoMonitors& operator=(const TwoMonitors&) = delete;

    MonitorLookup saved;
};

// While one lives, the system has no monitor lookup, as Windows 95 and NT 4.0.
struct NoMonitorLookup {
    NoMonitorLookup();
    ~NoMonitorLookup();
    NoMonitorLookup(const NoMonitorLookup&) = delete;
    NoMonitorLookup& operator=(const NoMonitorLookup&) = delete;

    MonitorLookup saved;
};
