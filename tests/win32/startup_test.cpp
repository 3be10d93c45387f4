#include "registry_sandbox.h"
#include "shell_recorder.h"
#include "player/startup.h"
#include "player/state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

namespace {

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
    ASSERT_TRUE(takeCommandLine("  C:\\a b.wav  "));
    EXPECT_STREQ(player.mediaPath, "C:\\a b.wav");
    ASSERT_TRUE(takeCommandLine("\t\"x.wav\" "));
    EXPECT_STREQ(player.mediaPath, "\t\"x.wav\"");
}

// As the shell hands a path over: quoted when it holds a blank, perhaps with more after it.
TEST_F(PlayerStartup, QuotedCommandLineGivesThePathBetweenTheMarks) {
    std::string longest = "C:\\" + std::string(125, 'q');
    const struct {
        std::string line;
        const char* path; // nullptr: refused
    } cases[] = {
        {" \"C:\\My Music\\a b.wav\" ", "C:\\My Music\\a b.wav"},
        {"\"C:\\a b.bmp\" \"C:\\c d.wav\"", "C:\\a b.bmp"},
        {"\"C:\\no end.mid  ", "C:\\no end.mid"},
        {"C:\\My Music\\a b.wav", "C:\\My Music\\a b.wav"},
        {"C:\\x.wav \"y\"", "C:\\x.wav \"y\""},
        {"\"\"", ""},
        {"\"   \"", ""},
        {"\"" + longest + "\" " + std::string(200, 'z'), longest.c_str()},
        {"\"" + longest + "x\"", nullptr},
    };
    for (const auto& c : cases) {
        std::memset(player.mediaPath, '#', sizeof player.mediaPath);
        ASSERT_EQ(takeCommandLine(c.line.c_str()), c.path != nullptr) << c.line;
        if (c.path != nullptr) {
            EXPECT_STREQ(player.mediaPath, c.path) << c.line;
        }
    }
}

TEST_F(PlayerStartup, CommandLineOf128CharactersIsTakenAnd129Refused) {
    std::string longest(128, 'p');
    ASSERT_TRUE(takeCommandLine(("   " + longest + "   ").c_str()));
    EXPECT_EQ(std::string(player.mediaPath), longest);
    EXPECT_FALSE(takeCommandLine(std::string(129, 'p').c_str()));
    EXPECT_FALSE(takeCommandLine(std::string(200, 'p').c_str()));
}

// The limit counts bytes: a name in UTF-8 reaches it with fewer characters (an emoji is four
// bytes), and an overlong one is refused whole rather than cut inside a character.
TEST_F(PlayerStartup, CommandLineLimitCountsUtf8Bytes) {
    std::string longest = "C:\\x";
    for (int i = 0; i < 30; ++i)
        longest += "🎵";
    longest += ".wav";
    ASSERT_EQ(longest.size(), 128u);
    ASSERT_TRUE(takeCommandLine((" " + longest + " ").c_str()));
    EXPECT_EQ(std::string(player.mediaPath), longest);
    EXPECT_FALSE(takeCommandLine(("C:\\xx" + longest.substr(4)).c_str()));
}

TEST_F(PlayerStartup, EmptyBlankAndOverlongCommandLinesEndAtOnceWithoutAnything) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (std::string line :
         {std::string(""), std::string("    "), std::string("\"\""), std::string("\"   \""),
          std::string(190, 'x') + ".wav", std::string(200, 'y')}) {
        EXPECT_EQ(runPlayer(instance, nullptr, line.c_str(), SW_SHOWNORMAL), 0);
        EXPECT_FALSE(classRegistered()) << line;
        EXPECT_TRUE(shellRecord.calls.empty()) << line;
        EXPECT_FALSE(registryHasKey(kPlayerKey)) << line;
    }
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
