#include "player/callerror.h"
#include "player/handoff.h"
#include "shell_recorder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

class HandOff : public ::testing::Test {
  protected:
    ShellRecorderScope recorder;

    void handOff(const char* text) {
        std::array<char, 129> area{};
        std::snprintf(area.data(), area.size(), "%s", text);
        handOffFile(area.data());
    }
};

const std::string kBoxStyle = std::to_string(MB_OK | MB_ICONEXCLAMATION);

} // namespace

TEST_F(HandOff, ExistingFileWithoutBlanksOpensWithEmptyParameters) {
    shellRecord.existing = {"notes.txt"};
    handOff("notes.txt");
    EXPECT_EQ(shellRecord.calls, (Calls{"exec open notes.txt|||1", "drive 2", "folder C:\\work"}));
    EXPECT_TRUE(shellRecord.boxes.empty());
}

TEST_F(HandOff, SplitFallsAfterTheFirstPrefixThatExists) {
    shellRecord.existing = {"C:\\My Docs\\a b.txt"};
    handOff("C:\\My Docs\\a b.txt /p  x ");
    ASSERT_GE(shellRecord.calls.size(), 2u);
    EXPECT_EQ(shellRecord.calls[1], "exec open C:\\My Docs\\a b.txt|/p  x||1");
}

TEST_F(HandOff, FolderPrefixAlsoEndsTheSearch) {
    shellRecord.drives = {2, 3};
    shellRecord.existing = {"D:\\My", "D:\\My Folder\\x.txt"};
    handOff("D:\\My Folder\\x.txt");
    EXPECT_EQ(shellRecord.calls[0], "drive 3");
    EXPECT_EQ(shellRecord.calls[1], "exec open D:\\My|Folder\\x.txt||1");
}

TEST_F(HandOff, NoPrefixExistsSoTheWholeTextIsTheFileName) {
    handOff("C:\\no such\\file name.txt");
    EXPECT_EQ(shellRecord.calls[1], "exec open C:\\no such\\file name.txt|||1");
}

TEST_F(HandOff, SurroundingBlanksAreTrimmedInPlace) {
    std::array<char, 129> area{};
    std::snprintf(area.data(), area.size(), "   a.txt  ");
    handOffFile(area.data());
    EXPECT_STREQ(area.data(), "a.txt");
    EXPECT_EQ(shellRecord.calls[0], "exec open a.txt|||1");
}

TEST_F(HandOff, BlanksOnlyDoNothingAtAll) {
    handOff("    ");
    handOff("");
    EXPECT_TRUE(shellRecord.calls.empty());
    EXPECT_TRUE(shellRecord.boxes.empty());
}

TEST_F(HandOff, QuotesAreHandedOnUnchanged) {
    handOff("\"C:\\a b.txt\"");
    EXPECT_EQ(shellRecord.calls[0], "exec open \"C:\\a b.txt\"|||1");
}

TEST_F(HandOff, SmallDriveLetterIsFoldedAndMadeCurrentThenRestored) {
    shellRecord.drive = 3;
    shellRecord.drives = {2, 3};
    handOff("c:\\x.doc");
    EXPECT_EQ(shellRecord.calls,
              (Calls{"drive 2", "exec open c:\\x.doc|||1", "drive 3", "folder C:\\work"}));
}

TEST_F(HandOff, AccentedDriveLetterIsFolded) {
    shellRecord.drives = {2, 4};
    handOff("\xE9:\\x.doc"); // é folds to E
    EXPECT_EQ(shellRecord.calls[0], "drive 4");
}

// UTF-8 names: the split still falls at a blank after an existing file, and a name that
// begins with a multibyte character has no drive letter (its second byte is never a colon).
TEST_F(HandOff, Utf8NamesSplitAndKeepTheirDriveAsWritten) {
    shellRecord.drives = {2, 25};
    shellRecord.existing = {"Z:\\Ωμέγα 日本 🎵.txt"};
    handOff(" Z:\\Ωμέγα 日本 🎵.txt /p ");
    EXPECT_EQ(shellRecord.calls[0], "drive 25");
    EXPECT_EQ(shellRecord.calls[1], "exec open Z:\\Ωμέγα 日本 🎵.txt|/p||1");
    shellRecord.calls.clear();
    handOff("日:本.txt");
    EXPECT_EQ(shellRecord.calls[0], "exec open 日:本.txt|||1");
}

TEST_F(HandOff, PathWithoutDriveLeavesTheCurrentDrive) {
    handOff("\\\\server\\share\\x.doc");
    EXPECT_EQ(shellRecord.calls[0], "exec open \\\\server\\share\\x.doc|||1");
}

TEST_F(HandOff, DriveThatDoesNotExistShowsPathNotFoundAndCallsNoShell) {
    handOff("Q:\\x.doc");
    EXPECT_EQ(shellRecord.calls, (Calls{"drive 16"}));
    EXPECT_EQ(shellRecord.boxes, (Calls{"CallWAVE|Path not found|" + kBoxStyle}));
    EXPECT_EQ(shellRecord.drive, 2);
}

TEST_F(HandOff, ShellFailureRestoresFirstThenShowsItsMessage) {
    shellRecord.shellResult = 31;
    handOff("x.xyz");
    EXPECT_EQ(shellRecord.calls.back(), "folder C:\\work");
    EXPECT_EQ(shellRecord.boxes,
              (Calls{"CallWAVE|No association defined for that file|" + kBoxStyle}));
}

TEST_F(HandOff, ResultOf32IsAFailureAnd33ASuccess) {
    shellRecord.shellResult = 32;
    handOff("x.xyz");
    EXPECT_EQ(shellRecord.boxes, (Calls{"CallWAVE|Unknown error|" + kBoxStyle}));
    shellRecord.boxes.clear();
    shellRecord.shellResult = 33;
    handOff("x.xyz");
    EXPECT_TRUE(shellRecord.boxes.empty());
}

TEST_F(HandOff, FolderTooLongToRecordIsNotRestored) {
    shellRecord.folderFits = false;
    handOff("x.xyz");
    EXPECT_EQ(shellRecord.calls, (Calls{"exec open x.xyz|||1", "drive 2"}));
}

TEST_F(HandOff, LongTextsAreCutToTheWorkAreas) {
    // Longer than the player's own path area: the hand-off still bounds every copy. The file
    // name area keeps one character less than its size, the name and the parameters in it.
    std::string text = std::string(10, 'a') + " " + std::string(kFileNameArea + 140, 'b');
    shellRecord.existing = {std::string(10, 'a')};
    std::vector<char> area(text.begin(), text.end());
    area.push_back('\0');
    handOffFile(area.data());
    ASSERT_EQ(shellRecord.calls.size(), 3u);
    EXPECT_EQ(shellRecord.calls[0], "exec open " + std::string(10, 'a') + "|" +
                                        std::string(kFileNameArea - 12, 'b') + "||1");
}

// The shell would open the file with this very program (the test program stands in for the
// player), however it names it: then the player shows the file itself, or refuses it, and
// nothing is handed off. Another program, or none (the answer counts, not the text left), gets
// it from the shell.
TEST_F(HandOff, FileTheShellWouldOpenWithThisPlayerStaysHereAnyOtherIsHandedOff) {
    char self[MAX_PATH] = "", small[MAX_PATH] = "", brief[MAX_PATH] = "", other[MAX_PATH + 1];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    CharLowerA(std::strcpy(small, self));
    GetShortPathNameA(self, brief, MAX_PATH);
    std::snprintf(other, sizeof other, "%sx", self);
    const struct {
        const char* text;
        const char* program; // what the shell would start
        INT_PTR found;       // FindExecutable's answer (42: found)
        MediaKind kind;      // what the player shows itself
        const char* left;    // the text left for the player
        bool handedOff;
    } cases[] = {
        {"C:\\Record.Wav", self, 42, kWave, "C:\\Record.Wav", false},
        {"C:\\a.mId", small, 42, kMidi, "C:\\a.mId", false},
        {"C:\\My Docs\\p.Bmp /x", brief, 42, kPicture, "C:\\My Docs\\p.Bmp", false},
        {"C:\\Tune.mp3", self, 42, kNone, "C:\\Tune.mp3", false}, // "cannot show"
        {"C:\\Record.Wav", other, 42, kNone, "C:\\Record.Wav", true},
        {"C:\\Record.Wav", self, SE_ERR_NOASSOC, kNone, "C:\\Record.Wav", true},
    };
    for (const auto& c : cases) {
        shellRecord = ShellRecord{};
        shellRecord.existing = {"C:\\My Docs\\p.Bmp"};
        shellRecord.associatedProgram = c.program;
        shellRecord.findResult = c.found;
        std::array<char, 129> area{};
        std::snprintf(area.data(), area.size(), "%s", c.text);
        EXPECT_EQ(handOffFile(area.data()), c.kind) << c.text;
        EXPECT_STREQ(area.data(), c.left);
        EXPECT_EQ(shellRecord.asked, Calls{c.left}) << c.text;
        Calls calls = {"drive 2", "drive 2", "folder C:\\work"};
        if (c.handedOff)
            calls.insert(calls.begin() + 1, "exec open " + std::string(c.left) + "|||1");
        EXPECT_EQ(shellRecord.calls, calls) << c.text << " " << c.program;
        Calls boxes = {"CallWAVE|VeboWAVE cannot show this kind of file|" + kBoxStyle};
        EXPECT_EQ(shellRecord.boxes, c.kind == kNone && !c.handedOff ? boxes : Calls{}) << c.text;
    }
}

TEST(ShowCallError, EachCodeHasItsText) {
    ShellRecorderScope recorder;
    for (int code : {0, 2, 3, 5, 7, 8, 31, 32, -1})
        showCallError(code);
    EXPECT_EQ(shellRecord.boxes, (Calls{"CallWAVE|Unknown error|48", "CallWAVE|File not found|48",
                                        "CallWAVE|Path not found|48", "CallWAVE|Network error|48",
                                        "CallWAVE|Unknown error|48", "CallWAVE|Out of memory|48",
                                        "CallWAVE|No association defined for that file|48",
                                        "CallWAVE|Unknown error|48", "CallWAVE|Unknown error|48"}));
}

TEST(FoldLetter, SmallAndAccentedLettersFoldToCapitals) {
    EXPECT_EQ(foldLetter('q'), 'Q');
    EXPECT_EQ(foldLetter('a'), 'A');
    EXPECT_EQ(foldLetter('z'), 'Z');
    EXPECT_EQ(foldLetter(0xE9), 'E'); // é
    EXPECT_EQ(foldLetter(0xE7), 'C'); // ç
    for (unsigned char c : {0xE0, 0xE2, 0xE4})
        EXPECT_EQ(foldLetter(c), 'A');
    for (unsigned char c : {0xE8, 0xE9, 0xEA, 0xEB})
        EXPECT_EQ(foldLetter(c), 'E');
    for (unsigned char c : {0xEE, 0xEF})
        EXPECT_EQ(foldLetter(c), 'I');
    for (unsigned char c : {0xF4, 0xF6})
        EXPECT_EQ(foldLetter(c), 'O');
    for (unsigned char c : {0xF9, 0xFB, 0xFC})
        EXPECT_EQ(foldLetter(c), 'U');
}

TEST(FoldLetter, EverythingElsePassesThrough) {
    EXPECT_EQ(foldLetter('Q'), 'Q');
    EXPECT_EQ(foldLetter('7'), '7');
    EXPECT_EQ(foldLetter(':'), ':');
    EXPECT_EQ(foldLetter(0xE1), 0xE1); // á
    EXPECT_EQ(foldLetter(0xF1), 0xF1); // ñ
    EXPECT_EQ(foldLetter(0xF2), 0xF2); // ò
    EXPECT_EQ(foldLetter(0xC9), 0xC9); // É
    EXPECT_EQ(foldLetter('`'), '`');
    EXPECT_EQ(foldLetter('{'), '{');
}
