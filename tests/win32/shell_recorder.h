#pragma once
// A stand-in for the shell and the message box of the player: it records every call and
// answers from what the test set.
#include "player/handoff.h"

#include <set>
#include <string>
#include <vector>

struct ShellRecord {
    std::set<std::string> existing; // paths that "exist"
    std::set<int> drives{2};        // drives that can be made current (0 is A:)
    int drive = 2;
    std::string folder = "C:\\work";
    bool folderFits = true;
    INT_PTR shellResult = 42;
    // What FindExecutable answers: the program the shell would start, and its result.
    std::string associatedProgram = "C:\\Windows\\notepad.exe";
    INT_PTR findResult = 42;
    std::vector<std::string> asked; // the files FindExecutable was asked about
    std::vector<std::string> calls; // in order: "drive N", "folder X", "exec FILE|PARAMS|DIR"
    std::vector<std::string> boxes; // "caption|text|style"
};

extern ShellRecord shellRecord;

// Installs the recorder (fresh record) and restores the real bindings at scope end.
struct ShellRecorderScope {
    ShellRecorderScope();
    ~ShellRecorderScope();
};
