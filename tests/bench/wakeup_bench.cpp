// Wake-ups: how many messages the player's loop takes per second while a sound plays and
// while it is paused. The player runs here in full (runPlayer, the entry point's only call) on
// a generated 30 s sound, with a message hook on its thread counting what GetMessage returns;
// a second thread measures, presses PAUSE through the band and closes the window.
//   wakeup_bench [SECONDS]
#include "player/band_draw.h"
#include "bench_support.h"
#include "player/startup.h"
#include "player/state.h"

#include <array>
#include <atomic>
#include <cstdlib>

namespace {

constexpr int kSoundSeconds = 30;

struct Counts {
    std::atomic<long> all{0};
    std::atomic<long> timer{0};
    std::atomic<long> paint{0};
};

Counts counts;
int measureSeconds = 5;

LRESULT CALLBACK countMessage(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        const auto* message = reinterpret_cast<const MSG*>(lParam);
        ++counts.all;
        if (message->message == WM_TIMER)
            ++counts.timer;
        else if (message->message == WM_PAINT)
            ++counts.paint;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// 8-bit mono silence at 8000 samples a second.
testbmp::Bytes silentWave(int seconds) {
    std::uint32_t samples = 8000u * static_cast<std::uint32_t>(seconds);
    testbmp::Bytes wave(44 + samples, 0x80);
    const char* tags[] = {"RIFF", "WAVE", "fmt ", "data"};
    const std::size_t offsets[] = {0, 8, 12, 36};
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 4; ++k)
            wave[offsets[i] + static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(tags[i][k]);
    testbmp::put32(wave, 4, 36 + samples);
    testbmp::put32(wave, 16, 16);
    testbmp::put16(wave, 20, 1);    // PCM
    testbmp::put16(wave, 22, 1);    // mono
    testbmp::put32(wave, 24, 8000); // samples a second
    testbmp::put32(wave, 28, 8000); // bytes a second
    testbmp::put16(wave, 32, 1);    // block
    testbmp::put16(wave, 34, 8);    // bits
    testbmp::put32(wave, 40, samples);
    return wave;
}

struct Rates {
    double all;
    double timer;
    double paint;
};

Rates countFor(int seconds) {
    long all = counts.all;
    long timer = counts.timer;
    long paint = counts.paint;
    double started = bench::nowMs();
    Sleep(static_cast<DWORD>(seconds) * 1000);
    double elapsed = (bench::nowMs() - started) / 1000.0;
    return {(counts.all - all) / elapsed, (counts.timer - timer) / elapsed,
            (counts.paint - paint) / elapsed};
}

Rates playing = {};
Rates paused = {};
bool measured = false;

bool waitUntil(bool (*condition)(), DWORD limitMs) {
    for (DWORD waited = 0; waited < limitMs; waited += 20) {
        if (condition())
            return true;
        Sleep(20);
    }
    return condition();
}

DWORD WINAPI drive(void*) {
    if (!waitUntil([] { return FindWindowA(kPlayerClass, nullptr) != nullptr; }, 30000))
        return 1;
    HWND window = FindWindowA(kPlayerClass, nullptr);
    Sleep(1500); // past the start, into steady playing
    playing = countFor(measureSeconds);
    BandLayout layout = playerBandLayout();
    int x = playButtonLeft(layout) + layout.buttonWidth / 2;
    int y = bandTop(layout) + layout.bandHeight / 2;
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    if (waitUntil([] { return player.paused; }, 10000)) {
        Sleep(1000);
        paused = countFor(measureSeconds);
        measured = true;
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    return 0;
}

void printRow(const char* state, const Rates& rates) {
    std::printf("| %-8s | %8.2f | %10.2f | %10.2f | %8.2f | %-22s |\n", state, rates.all,
                rates.timer, rates.paint, rates.all - rates.timer - rates.paint,
                "2 (500 ms timer alone)");
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1)
        measureSeconds = std::atoi(argv[1]);
    std::string sound = bench::tempPath("wakeup_bench.wav");
    if (!bench::writeFile(sound, silentWave(kSoundSeconds))) {
        std::fprintf(stderr, "cannot write %s\n", sound.c_str());
        return 1;
    }
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, countMessage, nullptr, GetCurrentThreadId());
    HANDLE driver = CreateThread(nullptr, 0, drive, nullptr, 0, nullptr);
    if (hook == nullptr || driver == nullptr)
        return 1;
    runPlayer(GetModuleHandleA(nullptr), nullptr, sound.c_str(), SW_SHOWNORMAL);
    WaitForSingleObject(driver, INFINITE);
    CloseHandle(driver);
    UnhookWindowsHookEx(hook);
    DeleteFileA(sound.c_str());
    if (!measured) {
        std::fprintf(stderr, "the player did not come up, or did not pause\n");
        return 1;
    }
    std::printf("Wake-ups of the player's message loop, messages a second over %d s\n\n",
                measureSeconds);
    std::printf("| %-8s | %8s | %10s | %10s | %8s | %-22s |\n", "state", "all", "WM_TIMER",
                "WM_PAINT", "other", "target");
    std::printf(
        "|----------|---------:|-----------:|-----------:|---------:|------------------------|\n");
    printRow("playing", playing);
    printRow("paused", paused);
    return 0;
}
