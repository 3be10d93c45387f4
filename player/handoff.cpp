#include "handoff.h"

#include "callerror.h"
#include "own_association.h"
#include "platform.h"
#include "text.h"

#include <shellapi.h>

#include <array>
#include <cstring>

namespace {

int realPathExists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

// The drive of the current folder (0 for A:), or -1 for a network folder, which has none.
int realCurrentDrive() {
    std::array<char, MAX_PATH> folder{};
    DWORD length = GetCurrentDirectoryA(MAX_PATH, folder.data());
    if (length == 0 || length >= MAX_PATH || folder[1] != ':')
        return -1;
    char letter = folder[0];
    if (letter >= 'a' && letter <= 'z')
        letter = static_cast<char>(letter - 'a' + 'A');
    return letter >= 'A' && letter <= 'Z' ? letter - 'A' : -1;
}

// "X:" makes the drive's own current folder the process's, as the C runtime's _chdrive does.
int realChangeDrive(int drive) {
    if (drive < 0 || drive >= 26)
        return -1;
    char driveOnly[] = {static_cast<char>('A' + drive), ':', '\0'};
    return SetCurrentDirectoryA(driveOnly) ? 0 : -1;
}

bool realCurrentFolder(char* area, int capacity) {
    if (capacity <= 0)
        return false;
    DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(capacity), area);
    return length != 0 && length < static_cast<DWORD>(capacity);
}

int realChangeFolder(const char* folder) {
    return SetCurrentDirectoryA(folder) ? 0 : -1;
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

HINSTANCE WINAPI findExecutableOnDemand(LPCSTR file, LPCSTR folder, LPSTR program) {
    static decltype(&FindExecutableA) find = nullptr;
    if (find == nullptr)
        find = systemFunctionAs<decltype(&FindExecutableA)>("shell32.dll", "FindExecutableA");
    return find != nullptr ? find(file, folder, program)
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

const ShellSeam kRealShell = {realPathExists,        realCurrentDrive, realChangeDrive,
                              realCurrentFolder,     realChangeFolder, shellExecuteOnDemand,
                              findExecutableOnDemand};
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

// The shell would hand the file straight back: the player shows it itself when it can (the
// text keeps only the file's name) and otherwise says that it cannot.
MediaKind showHereOrRefuse(char* commandText, std::size_t fileNameLength) {
    commandText[fileNameLength] = '\0';
    MediaKind kind = classifyExtension(commandText);
    if (kind == kNone)
        showCallError(kNotShownHere);
    return kind;
}

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

unsigned char foldLetter(unsigned char letter) {
    if (letter >= 'a' && letter <= 'z')
        return static_cast<unsigned char>(letter - 'a' + 'A');
    for (const LetterFold& fold : kAccentFolds) {
        if (fold.letter == letter)
            return fold.folded;
    }
    return letter;
}

MediaKind handOffFile(char* commandText, bool wholeName) {
    int savedDrive = shellSeam.currentDrive();
    std::array<char, kFolderArea> savedFolder{};
    // A folder too long for the record is not restored: the shell call leaves it unchanged.
    bool folderRecorded = shellSeam.currentFolder(savedFolder.data(), kFolderArea);

    trimBlanks(commandText);
    if (commandText[0] == '\0')
        return kNone;
    std::array<char, kFileNameArea> fileName{};
    std::array<char, kParametersArea> parameters{};
    copyText(fileName.data(), fileName.size(), commandText);

    if (fileName[1] == ':') {
        int drive = foldLetter(static_cast<unsigned char>(fileName[0])) - 'A';
        if (shellSeam.changeDrive(drive) != 0) {
            showCallError(kPathNotFound);
            return kNone;
        }
    }
    // A whole name stays unsplit: once trimmed, it begins with no blank.
    std::size_t split = wholeName ? 0 : fileNameLength(fileName.data());
    if (fileName[split] == ' ') {
        copyText(parameters.data(), parameters.size(), fileName.data() + split + 1);
        fileName[split] = '\0';
    }
    // Asked while the file's drive is current, as the shell would be.
    bool toThisPlayer = shellOpensWithThisPlayer(fileName.data());
    INT_PTR result = 0;
    if (!toThisPlayer)
        result =
            reinterpret_cast<INT_PTR>(openWithShell(fileName.data(), parameters.data(), wholeName));

    shellSeam.changeDrive(savedDrive);
    if (folderRecorded)
        shellSeam.changeFolder(savedFolder.data());
    if (toThisPlayer)
        return showHereOrRefuse(commandText, std::strlen(fileName.data()));
    if (result <= 32)
        showCallError(static_cast<int>(result));
    return kNone;
}
