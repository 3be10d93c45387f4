// What the Windows-version matrix asks from outside the programs:
//   version_probe reported
//       prints the platform and version the system reports to a program: "PLATFORM
//       MAJOR.MINOR" (PLATFORM 0 Win32s, 1 the Windows 95 family, 2 the NT family)
//   version_probe compute KEYS SECONDS
//       waits for the calculator's dialog, presses each key of KEYS on it (one character a
//       key, as in the engine's tests: each a BM_CLICK sent to its button, done before the
//       next one) and prints the display's text
// Exit code 0 on success, 1 with the reason on standard error otherwise.
#include "calc_keys.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int reported() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version)) {
        std::fprintf(stderr, "GetVersionExA failed\n");
        return 1;
    }
    std::printf("%lu %lu.%lu\n", version.dwPlatformId, version.dwMajorVersion,
                version.dwMinorVersion);
    return 0;
}

HWND waitForCalculator(double seconds) {
    DWORD limit = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    for (;;) {
        HWND dialog = FindWindowA("#32770", "VeboCALC");
        if (dialog != nullptr && IsWindowVisible(dialog))
            return dialog;
        if (static_cast<LONG>(GetTickCount() - limit) > 0)
            return nullptr;
        Sleep(20);
    }
}

int compute(const char* keys, double seconds) {
    HWND dialog = waitForCalculator(seconds);
    if (dialog == nullptr) {
        std::fprintf(stderr, "no calculator within %g s\n", seconds);
        return 1;
    }
    for (const char* key = keys; *key != '\0'; ++key) {
        HWND button = keyId(*key) != -1 ? GetDlgItem(dialog, keyId(*key)) : nullptr;
        if (button == nullptr) {
            std::fprintf(stderr, "no key for '%c'\n", *key);
            return 1;
        }
        SendMessageA(button, BM_CLICK, 0, 0);
    }
    HWND display = GetDlgItem(dialog, kIdDisplay);
    if (display == nullptr) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    char text[64] = "";
    GetWindowTextA(display, text, sizeof text);
    std::printf("%s\n", text);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "reported") == 0)
        return reported();
    if (argc == 4 && std::strcmp(argv[1], "compute") == 0)
        return compute(argv[2], std::atof(argv[3]));
    std::fprintf(stderr, "usage: version_probe reported | compute KEYS SECONDS\n");
    return 2;
}
