#include "registry_sandbox.h"
#include "shell_recorder.h"
#include "player/geometry.h"
#include "player/startup.h"
#include "player/state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

namespace {

// A path of so many characters as the system counts them, made of the unit (an emoji counts
// as two), under C:\ and ending in .wav.
std::string path(int characters, const std::string& unit = "q") {
    int unitCharacters = unit == "🎵" ? 2 : 1;
    std::string text = "C:\\";
    int left = characters - 7;
    for (; left >= unitCharacters; left -= unitCharacters)
        text += unit;
    return text + std::string(left, 'q') + ".wav";
}

class PlayerStartup : public ::testing::Test {
  protected:
    RegistrySandbox sandbox;
    ShellRecorderScope shell;

    void SetUp() override { player = PlayerState{}; }

    std::string stored(const char* name) {
        std::string text;
        return registryReadText(kPlayerKey, name, text) ? text : "(missing)";
    }

    bool classRegistered() {
        WNDCLASSA info;
        return GetClassInfoA(GetModuleHandleA(nullptr), kPlayerClass, &info) != 0;
    }
};

} // namespace

TEST_F(PlayerStartup, CommandLineIsTrimmedOfBlanksOnly) {
    ASSERT_EQ(takeCommandLine("  C:\\a b.wav  "), CommandPath::kPlain);
    EXPECT_STREQ(player.mediaPath, "C:\\a b.wav");
    ASSERT_EQ(takeCommandLine("\t\"x.wav\" "), CommandPath::kPlain);
    EXPECT_STREQ(player.mediaPath, "\t\"x.wav\"");
}

// As the shell hands a path over: quoted when it holds a blank, perhaps with more after it;
// up to MAX_PATH characters as the system counts them, whatever their bytes in UTF-8.
TEST_F(PlayerStartup, CommandLineGivesThePathBetweenTheMarksUpToMaxPath) {
    using P = CommandPath;
    const struct {
        std::string line;
        CommandPath taken;
        std::string path;
    } cases[] = {
        {" \"C:\\My Music\\a b.wav\" ", P::kQuoted, "C:\\My Music\\a b.wav"},
        {"\"C:\\a b.bmp\" \"C:\\c d.wav\"", P::kQuoted, "C:\\a b.bmp"},
        {"\"C:\\no end.mid  ", P::kQuoted, "C:\\no end.mid"},
        {"C:\\My Music\\a b.wav", P::kPlain, "C:\\My Music\\a b.wav"},
        {"C:\\x.wav \"y\"", P::kPlain, "C:\\x.wav \"y\""},
        {"\"\"", P::kQuoted, ""},
        {"\"   \"", P::kQuoted, ""},
        {"  " + path(259) + "  ", P::kPlain, path(259)},
        {path(260), P::kTooLong, ""},
        {"\"" + path(259) + "\" " + std::string(300, 'z'), P::kQuoted, path(259)},
        {"\"" + path(260) + "\"", P::kTooLong, ""},
        // 259 characters in 763 bytes; an emoji counts as two.
        {path(259, "音"), P::kPlain, path(259, "音")},
        {path(260, "音"), P::kTooLong, ""},
        {"\"" + path(259, "🎵") + "\"", P::kQuoted, path(259, "🎵")},
        {path(261, "🎵"), P::kTooLong, ""},
    };
    for (const auto& c : cases) {
        std::memset(player.mediaPath, '#', sizeof player.mediaPath);
        EXPECT_EQ(takeCommandLine(c.line.c_str()), c.taken) << c.line;
        EXPECT_EQ(player.mediaPath, c.path) << c.line;
    }
}

// An overlong one says so in a box, and nothing else.
TEST_F(PlayerStartup, EmptyBlankAndOverlongCommandLinesEndAtOnceWithoutAnything) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (std::string line : {std::string(""), std::string("    "), std::string("\"\""),
                             std::string("\"   \""), path(260), std::string(2000, 'y')}) {
        EXPECT_EQ(runPlayer(instance, nullptr, line.c_str(), SW_SHOWNORMAL), 0);
        EXPECT_FALSE(classRegistered()) << line;
        EXPECT_TRUE(shellRecord.calls.empty()) << line;
        EXPECT_FALSE(registryHasKey(kPlayerKey)) << line;
    }
    EXPECT_EQ(shellRecord.boxes, (std::vector<std::string>(2, "CallWAVE|Path too long|48")));
}

TEST_F(PlayerStartup, OtherFilesAreHandedOffAndNoWindowClassIsMade) {
    shellRecord.existing = {"song.Wav"};
    EXPECT_EQ(runPlayer(GetModuleHandleA(nullptr), nullptr, " song.Wav ", SW_SHOWNORMAL), 0);
    ASSERT_FALSE(shellRecord.calls.empty());
    EXPECT_EQ(shellRecord.calls[0], "exec open song.Wav|||1");
    EXPECT_FALSE(classRegistered());
    EXPECT_FALSE(registryHasKey(kPlayerKey));
}

TEST_F(PlayerStartup, FileTheShellWouldHandBackIsShownByThePlayerItself) {
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    shellRecord.associatedProgram = self;
    HWND window = startPlayer(GetModuleHandleA(nullptr), nullptr, " C:\\Record.Bmp ", SW_HIDE);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(player.mediaKind, kPicture);
    EXPECT_STREQ(player.mediaPath, "C:\\Record.Bmp");
    EXPECT_EQ(shellRecord.calls,
              (std::vector<std::string>{"drive 2", "drive 2", "folder C:\\work"}));
    DestroyWindow(window);
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    UnregisterClassA(kPlayerClass, GetModuleHandleA(nullptr));
}

// A name the shell quoted is one file's, beside a folder named after its first word too.
TEST_F(PlayerStartup, QuotedFileIsHandedOffWholeAndQuoted) {
    shellRecord.existing = {"C:\\Docs\\Project", "C:\\Docs\\Project notes.txt"};
    const char* line = "\"C:\\Docs\\Project notes.txt\" \"C:\\b.txt\"";
    EXPECT_EQ(runPlayer(GetModuleHandleA(nullptr), nullptr, line, SW_SHOWNORMAL), 0);
    ASSERT_GE(shellRecord.calls.size(), 2u);
    EXPECT_EQ(shellRecord.calls[1], "exec open \"C:\\Docs\\Project notes.txt\"|||1");
}

TEST_F(PlayerStartup, FirstStartStoresTheFourBarValuesWithTheirDefaults) {
    loadBarValues();
    EXPECT_EQ(stored("Quennet"), "0");
    EXPECT_EQ(stored("BLx"), "0");
    EXPECT_EQ(stored("BLy"), "0");
    EXPECT_EQ(stored("BLcx"), "640");
    EXPECT_EQ(player.barWidth, 640);
}

TEST_F(PlayerStartup, StoredBarValuesAreTruncatedAndWrittenBack) {
    registryWriteText(kPlayerKey, "Quennet", "letters");
    registryWriteText(kPlayerKey, "BLx", "-0.5");
    registryWriteText(kPlayerKey, "BLy", "");
    registryWriteText(kPlayerKey, "BLcx", "700.9");
    loadBarValues();
    EXPECT_EQ(player.barMode, 0);
    EXPECT_EQ(player.barX, 0);
    EXPECT_EQ(player.barY, 0);
    EXPECT_EQ(player.barWidth, 700);
    EXPECT_EQ(stored("Quennet"), "0");
    EXPECT_EQ(stored("BLx"), "0");
    EXPECT_EQ(stored("BLy"), "0");
    EXPECT_EQ(stored("BLcx"), "700");
}

TEST_F(PlayerStartup, OverlongStoredTextCountsAsMissing) {
    registryWriteText(kPlayerKey, "BLcx", std::string(1000, '9'));
    registryWriteText(kPlayerKey, "BLx", "-30" + std::string(60, '0'));
    loadBarValues();
    EXPECT_EQ(player.barWidth, 640);
    EXPECT_EQ(stored("BLcx"), "640");
    EXPECT_EQ(player.barX, 0); // does not fit the reading area: the default stands
}

TEST_F(PlayerStartup, HugeStoredNumbersSaturateInsteadOfWrapping) {
    registryWriteText(kPlayerKey, "BLcx", "1e30");
    loadBarValues();
    EXPECT_EQ(stored("BLcx"), "2147483647");
}

TEST_F(PlayerStartup, BarWidthIsHeldToAWindowsButStoredAsItWas) {
    const std::pair<const char*, int> widths[] = {{"100000", 32767}, {"32767", 32767}, {"-5", 0}};
    for (const auto& [text, width] : widths) {
        registryWriteText(kPlayerKey, "BLcx", text);
        loadBarValues();
        EXPECT_EQ(player.barWidth, width) << text;
        EXPECT_EQ(stored("BLcx"), text);
    }
}

TEST_F(PlayerStartup, RegistryThatCannotBeUsedLeavesTheDefaults) {
    // The process's HKCU becomes a key deleted since it was opened: nothing can be made under it.
    HKEY gone = nullptr;
    ASSERT_EQ(RegCreateKeyExA(sandbox.root, "gone", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &gone,
                              nullptr),
              ERROR_SUCCESS);
    RegDeleteKeyA(sandbox.root, "gone");
    RegOverridePredefKey(HKEY_CURRENT_USER, gone);
    loadBarValues();
    RegOverridePredefKey(HKEY_CURRENT_USER, sandbox.root);
    RegCloseKey(gone);
    EXPECT_EQ(player.barWidth, 640);
    EXPECT_EQ(player.barMode, 0);
    EXPECT_EQ(player.barX, 0);
    EXPECT_FALSE(registryHasKey(kPlayerKey));
}

TEST_F(PlayerStartup, StartGeometryByKind) {
    int caption = GetSystemMetrics(SM_CYCAPTION);
    for (MediaKind kind : {kWave, kMidi, kPicture}) {
        player.mediaKind = kind;
        setStartGeometry();
        EXPECT_EQ(player.windowWidth, 134);
        EXPECT_EQ(player.windowHeight, caption + 6 + 128);
    }
    player.mediaKind = kVideo;
    setStartGeometry();
    EXPECT_EQ(player.windowWidth, 166);
    EXPECT_EQ(player.windowHeight, caption + 6 + 120);
    EXPECT_EQ(player.bandHeight, 20);
    EXPECT_EQ(player.buttonWidth, 20);
}

TEST_F(PlayerStartup, BarModeOnlyForSoundFiles) {
    player.barMode = 3;
    player.mediaKind = kWave;
    EXPECT_TRUE(inBarMode());
    player.mediaKind = kMidi;
    EXPECT_TRUE(inBarMode());
    player.mediaKind = kVideo;
    EXPECT_FALSE(inBarMode());
    player.mediaKind = kPicture;
    EXPECT_FALSE(inBarMode());
    player.barMode = 0;
    player.mediaKind = kWave;
    EXPECT_FALSE(inBarMode());
}
