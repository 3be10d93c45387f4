#include "monitor_layout.h"

namespace {

HMONITOR WINAPI twoMonitors(LPCRECT place, DWORD) {
    RECT common;
    if (IntersectRect(&common, place, &kPrimaryMonitor))
        return reinterpret_cast<HMONITOR>(1);
    if (IntersectRect(&common, place, &kLeftMonitor))
        return reinterpret_cast<HMONITOR>(2);
    return nullptr;
}

} // namespace

TwoMonitors::TwoMonitors() : saved(monitorFromRect) {
    monitorFromRect = twoMonitors;
}

TwoMonitors::~TwoMonitors() {
    monitorFromRect = saved;
}

NoMonitorLookup::NoMonitorLookup() : saved(monitorFromRect) {
    monitorFromRect = nullptr;
}

NoMonitorLookup::~NoMonitorLookup() {
    monitorFromRect = saved;
}
