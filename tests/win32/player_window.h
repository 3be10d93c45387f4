#pragma once
// What the player window tests share: the real start-up opens the window, the MCI recorder
// stands in for winmm, the registry is a sandbox, and the tick timer's settings are recorded.
#include "media_recorder.h"
#include "registry_sandbox.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

constexpr COLORREF kWhitePixel = RGB(255, 255, 255);
constexpr COLORREF kBlackPixel = RGB(0, 0, 0);
constexpr COLORREF kBluePixel = RGB(0, 0, 255);
constexpr COLORREF kSilverPixel = RGB(192, 192, 192);

// A SetTimer call of the window, as asked for.
struct TimerCall {
    HWND window;
    UINT_PTR id;
    UINT milliseconds;
    TIMERPROC procedure;
};

// Records the window's timer requests and passes them on to SetTimer while it lives.
struct TimerRecorderScope {
    TimerRecorderScope();
    ~TimerRecorderScope();
    TimerRecorderScope(const TimerRecorderScope&) = delete;
    TimerRecorderScope& operator=(const TimerRecorderScope&) = delete;
    static std::vector<TimerCall> calls;
};

// A 16-colour picture file of the given size in the temp folder, every pixel black.
std::string writePicture(int width, int height);

class PlayerWindow : public ::testing::Test {
  protected:
    using Lines = std::vector<std::string>;

    RegistrySandbox sandbox;
    MediaRecorderScope recorder;
    TimerRecorderScope timers;
    HWND window = nullptr;
    std::string picturePath;

    void SetUp() override;
    void TearDown() override;

    // Starts the player on the command line up to its shown window, as a fresh process
    // would: the window class is registered anew. nullptr when the player would end.
    HWND open(const char* commandLine);

    // Removes a WM_QUIT left in the queue; a leftover one would end the next modal loop.
    static void dropQuit();
    // Takes the WM_QUIT posted to the queue, if any, with its exit code.
    static bool quitPosted(WPARAM& code);

    void tick() const { SendMessageA(window, WM_TIMER, 1, 0); }
    void click(int x, int y) const { SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }

    // The window moved to a monitor of `dpi`, taking the size it asks for there.
    void moveToDpi(int dpi) const;

    RECT place() const;
    RECT client() const;
    COLORREF pixel(int x, int y) const;

    static std::string stored(const char* name);
    static void save(const char* name, const char* text);
    static Lines since(std::size_t first) { return describeFrom(first); }

    // Whether the window shows the named 20 by 20 bitmap of the player at (x, y), pixel for
    // pixel.
    ::testing::AssertionResult showsBitmap(const char* name, int x, int y) const;
};
