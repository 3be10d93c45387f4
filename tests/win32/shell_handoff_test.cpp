// The hand-off through the real shell of Wine, to an application associated with a test
// extension inside the test prefix; the application only records how it was started.
#include "player/callerror.h"
#include "player/handoff.h"

#include <gtest/gtest.h>

#include <windows.h>

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

bool waitForFile(const std::string& path, DWORD milliseconds) {
    DWORD start = GetTickCount();
    while (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount() - start > milliseconds)
            return false;
        Sleep(50);
    }
    return true;
}

} // namespace

TEST(ShellHandOff, AssociatedApplicationGetsTheFileAndItsParameters) {
    std::string folder = folderOfThisProgram();
    std::string record = folder + "\\record_args.txt";
    DeleteFileA(record.c_str());
    setDefaultValue(".vebotst", "vebotstfile");
    setDefaultValue("vebotstfile\\shell\\open\\command",
                    "\"" + folder + "\\record_args.exe\" \"%1\" %*");
    std::string document = folder + "\\hand off.vebotst";
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
    ASSERT_TRUE(waitForFile(record, 30000)) << "the associated application never ran";
    std::ifstream in(record);
    std::string commandLine;
    std::getline(in, commandLine);
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
