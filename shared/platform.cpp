#include "platform.h"

#include "text.h"

#include <array>

bool supportedPlatform() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version))
        return false;
    return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ||
           version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

FARPROC systemFunction(const char* dll, const char* name) {
    std::array<char, MAX_PATH + 1> path{};
    UINT folder = GetSystemDirectoryA(path.data(), MAX_PATH);
    if (folder == 0 || folder >= MAX_PATH)
        return nullptr;
    std::size_t used = folder;
    if (!copyText(path.data() + used, path.size() - used, "\\"))
        return nullptr;
    used += 1;
    if (!copyText(path.data() + used, path.size() - used, dll))
        return nullptr;
    HMODULE module = LoadLibraryA(path.data());
    return module != nullptr ? GetProcAddress(module, name) : nullptr;
}
