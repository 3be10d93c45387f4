#include "platform.h"

#include <windows.h>

bool supportedPlatform() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version))
        return false;
    return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ||
           version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}
