// The hand-off through the real shell of Wine, to an application associated with a test
// extension inside the test prefix; the application only records how it was started.
#include "player/callerror.h"
#include "player/handoff.h"
#include "player/startup.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

std::string folderOfThisProgram() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text = path;
    return text.substr(0, text.rfind('\\'));
}

void setDefaultValue(const std::string& keyPath, const std::string& value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}

std::string messageShown;

int WINAPI recordBox(HWND, LPCSTR text, LPCSTR, UINT) {
    messageShown = text;
    return IDOK;
}

// Associates the test extension with the recording program; returns the record's path, which
// does not exist yet.
std::string associateRecorder(const std::string& extension = ".vebotst") {
    std::string folder = folderOfThisProgram();
    std::string record = folder + "\\record_args.txt";
    DeleteFileA(record.c_str());
    setDefaultValue(extension, "vebotstfile");
    setDefaultValue("vebotstfile\\shell\\open\\command",
                    "\"" + folder + "\\record_args.exe\" \"%1\" %*");
    return record;
}

// The command line the recording program was started with, once it has run.
std::string recordedCommandLine(const std::string& record) {
    std::string commandLine = "(the associated application never ran)";
    DWORD start = GetTickCount();
    while (GetFileAttributesA(record.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount() - start > 30000)
            return commandLine;
        Sleep(50);
    }
    std::ifstream in(record);
    std::getline(in, commandLine);
    return commandLine;
}

} // namespace

TEST(ShellHandOff, AssociatedApplicationGetsTheFileAndItsParameters) {
    std::string record = associateRecorder();
    std::string document = folderOfThisProgram() + "\\hand off.vebotst";
    std::ofstream(document) << "x";

    char before[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, before);
    callErrorBox = recordBox;
    std::string text = "  " + document + " -page 2  ";
    char area[129];
    ASSERT_LT(text.size(), sizeof area);
    std::snprintf(area, sizeof area, "%s", text.c_str());
    handOffFile(area);
    callErrorBox = MessageBoxA;

    EXPECT_EQ(messageShown, "");
    std::string commandLine = recordedCommandLine(record);
    EXPECT_NE(commandLine.find("\"" + document + "\""), std::string::npos) << commandLine;
    EXPECT_NE(commandLine.find("-page 2"), std::string::npos) << commandLine;
    char after[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, after);
    EXPECT_STREQ(after, before);
    DeleteFileA(document.c_str());
}

TEST(ShellHandOff, UnknownExtensionShowsTheShellsMessage) {
    std::string document = folderOfThisProgram() + "\\nothing.vebonone";
    std::ofstream(document) << "x";
    callErrorBox = recordBox;
    messageShown.clear();
    char area[129];
    std::snprintf(area, sizeof area, "%s", document.c_str());
    handOffFile(area);
    callErrorBox = MessageBoxA;
    EXPECT_EQ(messageShown, "No association defined for that file");
    DeleteFileA(document.c_str());
}

TEST(ShellHandOff, MissingDriveShowsPathNotFound) {
    callErrorBox = recordBox;
    messageShown.clear();
    char area[] = "Q:\\x.vebonone";
    char before[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, before);
    handOffFile(area);
    callErrorBox = MessageBoxA;
    EXPECT_EQ(messageShown, "Path not found");
    char after[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, after);
    EXPECT_STREQ(after, before);
}

// Dropped on the player, a name the shell quoted is handed on whole: beside a folder named after
// its first word, the file opens, not the folder.
TEST(ShellHandOff, QuotedNameBesideAFolderOfItsFirstWordIsHandedOnWhole) {
    std::string record = associateRecorder();
    std::string folder = folderOfThisProgram() + "\\Project";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string document = folder + " notes.vebotst";
    std::ofstream(document) << "x";
    std::string line = "\"" + document + "\" \"" + folder + "\\other.vebotst\"";
    callErrorBox = recordBox;
    messageShown.clear();
    EXPECT_EQ(runPlayer(GetModuleHandleA(nullptr), nullptr, line.c_str(), SW_SHOWNORMAL), 0);
    callErrorBox = MessageBoxA;
    EXPECT_EQ(messageShown, "");
    std::string commandLine = recordedCommandLine(record);
    EXPECT_NE(commandLine.find("\"" + document + "\""), std::string::npos) << commandLine;
    EXPECT_EQ(commandLine.find("other"), std::string::npos) << commandLine;
    DeleteFileA(document.c_str());
    RemoveDirectoryA(folder.c_str());
}

// Wine's shell finds no file whose path has 256 characters or more: such a file is handed on in
// its short form, when that keeps the extension that chooses the program.
TEST(ShellHandOff, NameTheShellCannotFindIsHandedOnInItsShortForm) {
    std::string record = associateRecorder(".vbt");
    std::string base = folderOfThisProgram();
    std::string folder = base + "\\" + std::string(243 - base.size(), 'd');
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string document = folder + "\\deep file.vbt";
    ASSERT_EQ(document.size(), 258u);
    std::ofstream(document) << "x";
    std::array<char, kPathArea> shortForm{};
    ASSERT_GT(GetShortPathNameA(document.c_str(), shortForm.data(), kPathArea), 0u);
    std::array<char, kPathArea> area{};
    std::snprintf(area.data(), area.size(), "%s", document.c_str());
    callErrorBox = recordBox;
    messageShown.clear();
    handOffFile(area.data());
    callErrorBox = MessageBoxA;
    EXPECT_EQ(messageShown, "");
    std::string commandLine = recordedCommandLine(record);
    EXPECT_NE(commandLine.find(std::string("\"") + shortForm.data() + "\""), std::string::npos)
        << commandLine;
    DeleteFileA(document.c_str());
    RemoveDirectoryA(folder.c_str());
}
