// Drives the programs' windows from outside, for end-to-end tests and tools/run:
//   winctl wait CLASS SECONDS [CAPTION]   waits for a visible window of the class (and
//                                 caption); prints "x y width height clientWidth
//                                 clientHeight title"
//   winctl gone CLASS SECONDS [CAPTION]   waits until no such window is left
//   winctl close CLASS [CAPTION]  posts WM_CLOSE to the window
//   winctl button CAPTION SECONDS waits for a box or dialog with that caption and presses
//                                 its default button; prints the box's text
//   winctl kill IMAGE...          ends every process of these program files (a failed test
//                                 must not leave a program behind to disturb the next one)
//   winctl click CAPTION TEXT SECONDS   waits for an enabled button labelled TEXT (with its
//                                 "&") in a visible window whose caption begins with CAPTION
//                                 and clicks it; several windows may match (a wizard and its
//                                 message box)
//   winctl run PROGRAM TEXT       starts PROGRAM as the shell does, with the command line
//                                 "PROGRAM" TEXT exactly, in wide characters so that any file
//                                 name passes whole; waits for it and exits with its exit code
//   winctl clipboard set TEXT     puts TEXT on the clipboard as CF_TEXT
//   winctl clipboard get          prints the clipboard's CF_TEXT; exit code 1 when it holds none
// Exit code 0 on success, 1 on time-out or when there is no such window. Window titles are
// printed in UTF-8.
#include "clipboard_text.h"

#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

HWND findVisible(const char* className, const char* caption) {
    HWND window = FindWindowA(className, caption);
    return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

HWND waitFor(const char* className, const char* caption, double seconds) {
    DWORD limit = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    for (;;) {
        if (HWND window = findVisible(className, caption))
            return window;
        if (static_cast<LONG>(GetTickCount() - limit) > 0)
            return nullptr;
        Sleep(20);
    }
}

int describe(HWND window) {
    RECT outer;
    RECT client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    wchar_t wideTitle[256] = L"";
    GetWindowTextW(window, wideTitle, 256);
    char title[1024] = "";
    WideCharToMultiByte(CP_UTF8, 0, wideTitle, -1, title, sizeof title, nullptr, nullptr);
    std::printf("%ld %ld %ld %ld %ld %ld %s\n", outer.left, outer.top, outer.right - outer.left,
                outer.bottom - outer.top, client.right, client.bottom, title);
    return 0;
}

BOOL CALLBACK appendText(HWND child, LPARAM lParam) {
    char text[512] = "";
    char className[32] = "";
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0) {
        std::strncat(reinterpret_cast<char*>(lParam), text, 511);
    }
    return TRUE;
}

struct ButtonSearch {
    const char* caption;
    const char* text;
    HWND button;
};

BOOL CALLBACK findButton(HWND child, LPARAM lParam) {
    auto* search = reinterpret_cast<ButtonSearch*>(lParam);
    char className[32] = "";
    char text[128] = "";
    GetClassNameA(child, className, sizeof className);
    GetWindowTextA(child, text, sizeof text);
    if (lstrcmpiA(className, "Button") == 0 && std::strcmp(text, search->text) == 0 &&
        IsWindowVisible(child) && IsWindowEnabled(child)) {
        search->button = child;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK searchTopLevel(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<ButtonSearch*>(lParam);
    char caption[256] = "";
    GetWindowTextA(window, caption, sizeof caption);
    if (IsWindowVisible(window) &&
        std::strncmp(caption, search->caption, std::strlen(search->caption)) == 0)
        EnumChildWindows(window, findButton, lParam);
    return search->button == nullptr;
}

int clickButton(const char* caption, const char* text, double seconds) {
    DWORD limit = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    ButtonSearch search = {caption, text, nullptr};
    for (;;) {
        EnumWindows(searchTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.button != nullptr) {
            PostMessageA(search.button, BM_CLICK, 0, 0);
            return 0;
        }
        if (static_cast<LONG>(GetTickCount() - limit) > 0)
            return 1;
        Sleep(20);
    }
}

int killImages(int count, char** images) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 1;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        for (int i = 0; i < count; ++i) {
            if (lstrcmpiA(entry.szExeFile, images[i]) != 0)
                continue;
            if (HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID)) {
                TerminateProcess(process, 1);
                CloseHandle(process);
            }
        }
    }
    CloseHandle(snapshot);
    return 0;
}

// The arguments are taken from the wide command line: the ANSI ones would lose every
// character outside this program's code page.
int runAsShell() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count != 4)
        return 2;
    std::wstring line = L"\"" + std::wstring(arguments[2]) + L"\" " + arguments[3];
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(arguments[2], &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return 2;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 2;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    const char* command = argv[1];
    double seconds = argc > 3 ? std::atof(argv[3]) : 0;
    const char* caption = argc > 4 ? argv[4] : nullptr;
    if (std::strcmp(command, "wait") == 0) {
        HWND window = waitFor(argv[2], caption, seconds);
        return window != nullptr ? describe(window) : 1;
    }
    if (std::strcmp(command, "gone") == 0) {
        DWORD limit = GetTickCount() + static_cast<DWORD>(seconds * 1000);
        while (FindWindowA(argv[2], caption) != nullptr) {
            if (static_cast<LONG>(GetTickCount() - limit) > 0)
                return 1;
            Sleep(20);
        }
        return 0;
    }
    if (std::strcmp(command, "close") == 0) {
        HWND window = FindWindowA(argv[2], argc > 3 ? argv[3] : nullptr);
        return window != nullptr && PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    if (std::strcmp(command, "clipboard") == 0) {
        if (std::strcmp(argv[2], "get") == 0) {
            std::string text;
            if (!readClipboardText(text))
                return 1;
            std::printf("%s\n", text.c_str());
            return 0;
        }
        if (std::strcmp(argv[2], "set") == 0 && argc > 3)
            return putClipboardText(argv[3]) ? 0 : 1;
        return 2;
    }
    if (std::strcmp(command, "run") == 0)
        return runAsShell();
    if (std::strcmp(command, "kill") == 0)
        return killImages(argc - 2, argv + 2);
    if (std::strcmp(command, "click") == 0 && argc > 4)
        return clickButton(argv[2], argv[3], std::atof(argv[4]));
    if (std::strcmp(command, "button") == 0) {
        HWND box = waitFor("#32770", argv[2], seconds);
        if (box == nullptr)
            return 1;
        char text[1024] = "";
        EnumChildWindows(box, appendText, reinterpret_cast<LPARAM>(text));
        std::printf("%s\n", text);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return 0;
    }
    return 2;
}
