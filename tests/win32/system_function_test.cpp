// DLLs loaded on first use: only from the system folder, and with a clear null otherwise.
#include "onscreen.h"
#include "player/media.h"
#include "platform.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string systemFolder() {
    char folder[MAX_PATH] = "";
    GetSystemDirectoryA(folder, sizeof folder);
    return folder;
}

std::string moduleFolder(HMODULE module) {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(module, path, sizeof path);
    std::string text = path;
    return text.substr(0, text.find_last_of('\\'));
}

TEST(SystemFunction, LoadsTheSystemFoldersCopy) {
    auto count = systemFunctionAs<UINT(WINAPI*)()>("winmm.dll", "waveOutGetNumDevs");
    ASSERT_NE(count, nullptr);
    HMODULE winmm = GetModuleHandleA("winmm.dll");
    ASSERT_NE(winmm, nullptr);
    EXPECT_EQ(reinterpret_cast<void (*)()>(count),
              reinterpret_cast<void (*)()>(GetProcAddress(winmm, "waveOutGetNumDevs")));
    EXPECT_EQ(lstrcmpiA(moduleFolder(winmm).c_str(), systemFolder().c_str()), 0);
}

TEST(SystemFunction, MissingDllOrFunctionGivesNull) {
    EXPECT_EQ(systemFunction("vebo_no_such.dll", "Anything"), nullptr);
    EXPECT_EQ(systemFunction("winmm.dll", "vebo_no_such_function"), nullptr);
}

TEST(SystemFunction, OverlongDllNameGivesNull) {
    std::string name(5000, 'a');
    name += ".dll";
    EXPECT_EQ(systemFunction(name.c_str(), "Anything"), nullptr);
}

// A DLL beside the program, where the default search would find it first, is never loaded.
TEST(SystemFunction, CopyInTheProgramsFolderIsIgnored) {
    std::string planted = moduleFolder(GetModuleHandleA(nullptr)) + "\\vebo_planted.dll";
    ASSERT_TRUE(CopyFileA((systemFolder() + "\\version.dll").c_str(), planted.c_str(), FALSE));
    EXPECT_EQ(systemFunction("vebo_planted.dll", "GetFileVersionInfoA"), nullptr);
    HMODULE found = LoadLibraryA("vebo_planted.dll"); // the default search does find it
    EXPECT_NE(found, nullptr);
    if (found != nullptr)
        FreeLibrary(found);
    DeleteFileA(planted.c_str());
}

// The player's real MCI binding reaches winmm's own functions.
TEST(SystemFunction, PlayerMciBindingReachesWinmm) {
    EXPECT_EQ(kRealMci.waveOutDevices(), waveOutGetNumDevs());
    EXPECT_EQ(kRealMci.midiOutDevices(), midiOutGetNumDevs());
    MCI_GENERIC_PARMS generic = {};
    EXPECT_EQ(
        kRealMci.sendCommand(0xFFFF, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&generic)),
        mciSendCommandA(0xFFFF, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&generic)));
}

// The monitor lookup is found at start-up where the system has it, as here.
TEST(SystemFunction, MonitorLookupIsUser32sOwn) {
    ASSERT_NE(monitorFromRect, nullptr);
    EXPECT_EQ(reinterpret_cast<void (*)()>(monitorFromRect),
              reinterpret_cast<void (*)()>(
                  GetProcAddress(GetModuleHandleA("user32.dll"), "MonitorFromRect")));
}

} // namespace
