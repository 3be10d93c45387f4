#include "shell_recorder.h"

#include "player/callerror.h"

#include <cstdio>

ShellRecord shellRecord;

namespace {

int fakeExists(const char* path) {
    return shellRecord.existing.count(path) ? 1 : 0;
}

int fakeCurrentDrive() {
    return shellRecord.drive;
}

int fakeChangeDrive(int drive) {
    shellRecord.calls.push_back("drive " + std::to_string(drive));
    if (!shellRecord.drives.count(drive))
        return -1;
    shellRecord.drive = drive;
    return 0;
}

bool fakeCurrentFolder(char* area, int capacity) {
    if (!shellRecord.folderFits || static_cast<int>(shellRecord.folder.size()) >= capacity)
        return false;
    std::snprintf(area, capacity, "%s", shellRecord.folder.c_str());
    return true;
}

int fakeChangeFolder(const char* folder) {
    shellRecord.calls.push_back(std::string("folder ") + folder);
    return 0;
}

HINSTANCE WINAPI fakeShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                  LPCSTR directory, INT show) {
    shellRecord.calls.push_back(std::string("exec ") + (owner ? "owner " : "") + verb + " " + file +
                                "|" + parameters + "|" + directory + "|" + std::to_string(show));
    return reinterpret_cast<HINSTANCE>(shellRecord.shellResult);
}

HINSTANCE WINAPI fakeFindExecutable(LPCSTR file, LPCSTR, LPSTR program) {
    shellRecord.asked.push_back(file);
    std::snprintf(program, MAX_PATH, "%s", shellRecord.associatedProgram.c_str());
    return reinterpret_cast<HINSTANCE>(shellRecord.findResult);
}

int WINAPI fakeMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
    shellRecord.boxes.push_back(std::string(owner ? "owner " : "") + caption + "|" + text + "|" +
                                std::to_string(style));
    return IDOK;
}

} // namespace

ShellRecorderScope::ShellRecorderScope() {
    shellRecord = ShellRecord{};
    shellSeam = {fakeExists,       fakeCurrentDrive, fakeChangeDrive,   fakeCurrentFolder,
                 fakeChangeFolder, fakeShellExecute, fakeFindExecutable};
    callErrorBox = fakeMessageBox;
}

ShellRecorderScope::~ShellRecorderScope() {
    shellSeam = kRealShell;
    callErrorBox = MessageBoxA;
}
