#include "player_window.h"

#include "../tools/make_bmp.h"
#include "player/startup.h"
#include "player/window.h"
#include "player/state.h"

#include <cstdio>

std::vector<TimerCall> TimerRecorderScope::calls;

namespace {

UINT_PTR WINAPI recordTimer(HWND window, UINT_PTR id, UINT milliseconds, TIMERPROC procedure) {
    TimerRecorderScope::calls.push_back({window, id, milliseconds, procedure});
    return SetTimer(window, id, milliseconds, procedure);
}

void forgetPlayerClass() {
    UnregisterClassA(kPlayerClass, GetModuleHandleA(nullptr));
}

} // namespace

TimerRecorderScope::TimerRecorderScope() {
    calls.clear();
    tickSetTimer = recordTimer;
}

TimerRecorderScope::~TimerRecorderScope() {
    tickSetTimer = SetTimer;
}

std::string writePicture(int width, int height) {
    testbmp::Picture picture;
    picture.width = width;
    picture.height = height;
    picture.bitsPerPixel = 4;
    picture.table.assign(16, {0, 0, 0, 0});
    picture.table[15] = {255, 255, 255, 0}; // colour 15 white; 0 to 14 stay black
    picture.pixels = testbmp::packRows(width, height, 4, false, [](int, int) { return 0u; });
    testbmp::Bytes bytes = testbmp::fileOf(picture);
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    char path[MAX_PATH];
    std::snprintf(path, sizeof path, "%swindow_test_%lu.bmp", folder,
                  static_cast<unsigned long>(GetCurrentProcessId()));
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return path;
}

void PlayerWindow::SetUp() {
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    ASSERT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);
}

void PlayerWindow::TearDown() {
    if (window != nullptr && IsWindow(window))
        DestroyWindow(window);
    forgetPlayerClass();
    dropQuit();
    if (!picturePath.empty())
        DeleteFileA(picturePath.c_str());
}

HWND PlayerWindow::open(const char* commandLine) {
    if (window != nullptr && IsWindow(window))
        DestroyWindow(window);
    forgetPlayerClass();
    dropQuit();
    player = PlayerState{};
    window = startPlayer(GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOWNORMAL);
    return window;
}

void PlayerWindow::dropQuit() {
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

bool PlayerWindow::quitPosted(WPARAM& code) {
    MSG message;
    if (!PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return false;
    code = message.wParam;
    return true;
}

void PlayerWindow::moveToDpi(int dpi) const {
    SIZE asked = {};
    SendMessageA(window, WM_GETDPISCALEDSIZE, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&asked));
    RECT suggested = {40, 30, 40 + asked.cx, 30 + asked.cy};
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

RECT PlayerWindow::place() const {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

RECT PlayerWindow::client() const {
    RECT rect = {};
    GetClientRect(window, &rect);
    return rect;
}

COLORREF PlayerWindow::pixel(int x, int y) const {
    HDC dc = GetDC(window);
    COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

std::string PlayerWindow::stored(const char* name) {
    std::string text;
    return registryReadText(kPlayerKey, name, text) ? text : "(missing)";
}

void PlayerWindow::save(const char* name, const char* text) {
    registryWriteText(kPlayerKey, name, text);
}

::testing::AssertionResult PlayerWindow::showsBitmap(const char* name, int x, int y) const {
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), name);
    if (bitmap == nullptr)
        return ::testing::AssertionFailure() << "no bitmap " << name;
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    int differences = 0;
    for (int row = 0; row < 20; ++row)
        for (int column = 0; column < 20; ++column)
            differences +=
                GetPixel(memory, column, row) != GetPixel(dc, x + column, y + row) ? 1 : 0;
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
    ReleaseDC(window, dc);
    if (differences == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differences << " pixels differ from " << name;
}
