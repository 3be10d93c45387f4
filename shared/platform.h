#pragma once
#include <windows.h>

// Both programs run only on the Windows 95 family and the NT family.
bool supportedPlatform();

// A function of a DLL of the system folder, loaded on first use, or null. Only the system
// folder is searched, never the program's own folder or the current one, so no planted copy
// is ever loaded. The DLL stays loaded for the rest of the run.
FARPROC systemFunction(const char* dll, const char* name);

// The same, as a pointer of the function's own type (null when it cannot be had).
template <typename Function> Function systemFunctionAs(const char* dll, const char* name) {
    // Through the generic function pointer type, which converts to any other without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(systemFunction(dll, name)));
}
