#include "monitor_layout.h"

HMONITOR WINAPI twoMonitors(LPCRECT place, DWORD) {
    RECT common;
    if (IntersectRect(&common, place, &kPrimaryMonitor))
        return reinterpret_cast<HMONITOR>(1);
    if (IntersectRect(&common, place, &kLeftMonitor))
        return reinterpret_cast<HMONITOR>(2);
    return nullptr;
}

MonitorLookupScope::MonitorLookupScope(MonitorLookup lookup) : saved(monitorFromRect) {
    monitorFromRect = lookup;
}

MonitorLookupScope::~MonitorLookupScope() {
    monitorFromRect = saved;
}
