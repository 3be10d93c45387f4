// Start-up time: from process creation to the end of the first paint, for each program and
// for the floor programs, interleaved, printed as medians and ratios to the floor.
//   startup_bench VEBOWAVE VEBOCALC FLOOR_WINDOW FLOOR_DIALOG TEMPLATE_DIALOG [RUNS]
// TEMPLATE_DIALOG is the floor dialog showing the calculator's template: the part of the
// calculator's time that its 42 controls take.
// The end of the first paint is when the new process waits for input with nothing left to do
// (WaitForInputIdle) and its window is shown with nothing left to paint.
#include "bench_support.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Subject {
    const char* label;
    std::string command;
    std::vector<double> times;
    int failures;
};

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findProcessWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND processWindow(DWORD processId) {
    WindowSearch search = {processId, nullptr};
    EnumWindows(findProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Starts the command, waits for its first idle moment, then closes it. False when the program
// did not come up or did not end.
bool measure(Subject& subject, bool keep) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<char> command(subject.command.begin(), subject.command.end());
    command.push_back('\0');
    double started = bench::nowMs();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    // Wine may report the process idle once before its window is shown (a message pumped
    // inside window creation); then the wait goes on until a shown, painted window is idle.
    double limit = started + 30000;
    DWORD idle = WaitForInputIdle(process.hProcess, 30000);
    HWND window = processWindow(process.dwProcessId);
    while (idle == 0 && (window == nullptr || GetUpdateRect(window, nullptr, FALSE)) &&
           bench::nowMs() < limit) {
        Sleep(1);
        idle = WaitForInputIdle(process.hProcess, 30000);
        window = processWindow(process.dwProcessId);
    }
    double painted = bench::nowMs();
    bool ok = idle == 0 && window != nullptr && !GetUpdateRect(window, nullptr, FALSE);
    if (ok && keep)
        subject.times.push_back(painted - started);
    if (window != nullptr)
        PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 15000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        ok = false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ok;
}

std::string quoted(const char* path) {
    return std::string("\"") + path + "\"";
}

void printRow(const Subject& subject, const Subject& floor, double target) {
    double own = bench::median(subject.times);
    double base = bench::median(floor.times);
    std::printf("| %-26s | %8.1f | %-14s | %8.1f | %5.2f | %6.2f |\n", subject.label, own,
                floor.label, base, base > 0 ? own / base : 0.0, target);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 6) {
        std::fprintf(stderr, "usage: startup_bench VEBOWAVE VEBOCALC FLOOR_WINDOW FLOOR_DIALOG "
                             "TEMPLATE_DIALOG [RUNS]\n");
        return 2;
    }
    int runs = argc > 6 ? std::atoi(argv[6]) : 15;
    std::string picture = bench::tempPath("startup_bench_128.bmp");
    if (!bench::writeFile(picture, bench::greyPicture(128))) {
        std::fprintf(stderr, "cannot write %s\n", picture.c_str());
        return 1;
    }
    std::vector<Subject> subjects = {
        {"VeboWAVE, 128x128 picture", quoted(argv[1]) + " " + picture, {}, 0},
        {"floor window", quoted(argv[3]), {}, 0},
        {"VeboCALC", quoted(argv[2]), {}, 0},
        {"floor dialog", quoted(argv[4]), {}, 0},
        {"calculator's template only", quoted(argv[5]), {}, 0},
    };
    // One round to warm the caches, not counted; then each round starts every subject once,
    // in an order that rotates so that none always follows the same one.
    for (int round = 0; round <= runs; ++round) {
        for (std::size_t i = 0; i < subjects.size(); ++i) {
            Subject& subject = subjects[(i + static_cast<std::size_t>(round)) % subjects.size()];
            if (!measure(subject, round > 0))
                ++subject.failures;
        }
    }
    std::printf("Start-up to the end of the first paint, median of %d interleaved runs\n\n", runs);
    std::printf("| %-26s | %8s | %-14s | %8s | %5s | %6s |\n", "program", "ms", "floor", "floor ms",
                "ratio", "target");
    std::printf("|----------------------------|---------:|----------------|---------:|------:|"
                "-------:|\n");
    printRow(subjects[0], subjects[1], 1.10);
    printRow(subjects[2], subjects[3], 1.10);
    printRow(subjects[4], subjects[3], 1.10);
    int failures = 0;
    for (const Subject& subject : subjects) {
        failures += subject.failures;
        if (subject.failures > 0)
            std::printf("\n%s: %d starts did not come up or did not end\n", subject.label,
                        subject.failures);
    }
    DeleteFileA(picture.c_str());
    return failures > 0 ? 1 : 0;
}
