#include "handoff.h"

#include "callerror.h"
#include "platform.h"
#include "text.h"

#include <direct.h>
#include <io.h>
#include <shellapi.h>

#include <array>
#include <cstring>

namespace {

int realPathExists(const char* path) {
    return _access(path, 0) == 0;
}

int realCurrentDrive() {
    return _getdrive() - 1;
}

int realChangeDrive(int drive) {
    return drive >= 0 && drive < 26 ? _chdrive(drive + 1) : -1;
}

bool realCurrentFolder(char* area, int capacity) {
    return _getcwd(area, capacity) != nullptr;
}

int realChangeFolder(const char* folder) {
    return _chdir(folder);
}

// shell32 is loaded only for a file that is handed off: the player's own files never need it.
HINSTANCE WINAPI shellExecuteOnDemand(HWND window, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                      LPCSTR folder, INT show) {
    static decltype(&ShellExecuteA) execute = nullptr;
    if (execute == nullptr)
        execute = systemFunctionAs<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA");
    // Without shell32 the result is the shell's own "DLL not found".
    return execute != nullptr ? execute(window, verb, file, parameters, folder, show)
                              : reinterpret_cast<HINSTANCE>(SE_ERR_DLLNOTFOUND);
}

// Length of the file-name part: the text before the first blank at which that text names an
// existing file or folder, or the whole text.
std::size_t fileNameLength(const char* text) {
    std::array<char, kFileNameArea> prefix{};
    std::size_t length = std::strlen(text);
    for (std::size_t i = 0; i < length && i < prefix.size(); ++i) {
        if (text[i] != ' ')
            continue;
        std::memcpy(prefix.data(), text, i);
        prefix[i] = '\0';
        if (shellSeam.pathExists(prefix.data()))
            return i;
    }
    return length;
}

} // namespace

const ShellSeam kRealShell = {realPathExists,    realCurrentDrive, realChangeDrive,
                              realCurrentFolder, realChangeFolder, shellExecuteOnDemand};
ShellSeam shellSeam = kRealShell;

namespace {

struct LetterFold {
    unsigned char letter;
    unsigned char folded;
};

// The accented small letters of code page 1252 that fold to their base capital.
constexpr LetterFold kAccentFolds[] = {
    {224, 'A'}, {226, 'A'}, {228, 'A'}, {231, 'C'}, {232, 'E'}, {233, 'E'}, {234, 'E'}, {235, 'E'},
    {238, 'I'}, {239, 'I'}, {244, 'O'}, {246, 'O'}, {249, 'U'}, {251, 'U'}, {252, 'U'},
};

} // namespace

unsigned char foldLetter(unsigned char letter) {
    if (letter >= 'a' && letter <= 'z')
        return static_cast<unsigned char>(letter - 'a' + 'A');
    for (const LetterFold& fold : kAccentFolds) {
        if (fold.letter == letter)
            return fold.folded;
    }
    return letter;
}

namespace {

// A quoted name is one file's to the shell too, whatever blanks it holds.
HINSTANCE openWithShell(const char* name, const char* parameters, bool quoted) {
    std::array<char, kFileNameArea + 2> quotedName{}; // a name of the area between its marks
    if (quoted) {
        std::size_t length = std::strlen(name);
        quotedName[0] = '"';
        std::memcpy(quotedName.data() + 1, name, length);
        quotedName[length + 1] = '"';
        name = quotedName.data();
    }
    return shellSeam.shellExecute(nullptr, "open", name, parameters, "", SW_SHOWNORMAL);
}

} // namespace

void handOffFile(char* commandText, bool wholeName) {
    int savedDrive = shellSeam.currentDrive();
    std::array<char, kFolderArea> savedFolder{};
    // A folder too long for the record is not restored: the shell call leaves it unchanged.
    bool folderRecorded = shellSeam.currentFolder(savedFolder.data(), kFolderArea);

    trimBlanks(commandText);
    if (commandText[0] == '\0')
        return;
    std::array<char, kFileNameArea> fileName{};
    std::array<char, kParametersArea> parameters{};
    copyText(fileName.data(), fileName.size(), commandText);

    if (fileName[1] == ':') {
        int drive = foldLetter(static_cast<unsigned char>(fileName[0])) - 'A';
        if (shellSeam.changeDrive(drive) != 0) {
            showCallError(kPathNotFound);
            return;
        }
    }
    // A whole name stays unsplit: once trimmed, it begins with no blank.
    std::size_t split = wholeName ? 0 : fileNameLength(fileName.data());
    if (fileName[split] == ' ') {
        copyText(parameters.data(), parameters.size(), fileName.data() + split + 1);
        fileName[split] = '\0';
    }
    auto result =
        reinterpret_cast<INT_PTR>(openWithShell(fileName.data(), parameters.data(), wholeName));

    shellSeam.changeDrive(savedDrive);
    if (folderRecorded)
        shellSeam.changeFolder(savedFolder.data());
    if (result <= 32)
        showCallError(static_cast<int>(result));
}
