#include "player/classify.h"

#include <gtest/gtest.h>

TEST(ClassifyPath, EachExtensionInBothCases) {
    EXPECT_EQ(classifyPath("C:\\a.wav"), kWave);
    EXPECT_EQ(classifyPath("C:\\A.WAV"), kWave);
    EXPECT_EQ(classifyPath("x.mid"), kMidi);
    EXPECT_EQ(classifyPath("X.MID"), kMidi);
    EXPECT_EQ(classifyPath("x.avi"), kVideo);
    EXPECT_EQ(classifyPath("X.AVI"), kVideo);
    EXPECT_EQ(classifyPath("x.mov"), kVideo);
    EXPECT_EQ(classifyPath("X.MOV"), kVideo);
    EXPECT_EQ(classifyPath("x.bmp"), kPicture);
    EXPECT_EQ(classifyPath("X.BMP"), kPicture);
}

TEST(ClassifyPath, MixedCaseAndOtherExtensionsAreHandedOff) {
    EXPECT_EQ(classifyPath("song.Wav"), kNone);
    EXPECT_EQ(classifyPath("notes.txt"), kNone);
    EXPECT_EQ(classifyPath(""), kNone);
}

TEST(ClassifyPath, ExtensionFoundAnywhereAndTheLastKindInOrderWins) {
    EXPECT_EQ(classifyPath("C:\\songs.wav\\clip.mid"), kMidi);
    EXPECT_EQ(classifyPath("C:\\clip.mid\\songs.wav"), kMidi);
    EXPECT_EQ(classifyPath("C:\\film.avi.bmp"), kPicture);
    EXPECT_EQ(classifyPath("C:\\a.wavy"), kWave);
    EXPECT_EQ(classifyPath("\"C:\\x.wav\""), kWave);
}

TEST(FileNameOf, KeepsWhatFollowsTheLastBackslash) {
    EXPECT_STREQ(fileNameOf("C:\\media\\song.wav"), "song.wav");
    EXPECT_STREQ(fileNameOf("D:song.wav"), "D:song.wav");
    EXPECT_STREQ(fileNameOf("a/b.wav"), "a/b.wav");
    EXPECT_STREQ(fileNameOf("C:\\dir\\"), "");
}

// A name in another script reaches the player as UTF-8, whose multibyte characters hold only
// bytes of 0x80 and above: no backslash, blank, colon or letter of an extension among them.
// ソ and 表 are chosen because their Shift-JIS forms end in a backslash byte.
TEST(Utf8Names, ExtensionAndWindowTitleAreFoundOnlyWhereTheyAre) {
    EXPECT_EQ(classifyPath("C:\\音楽\\Ωμέγα 日本 🎵.wav"), kWave);
    EXPECT_EQ(classifyPath("C:\\Ωδή.BMP"), kPicture);
    EXPECT_EQ(classifyPath("C:\\Ωδή.Wav"), kNone);
    EXPECT_EQ(classifyPath("C:\\ソ表.ｗａｖ"), kNone); // full-width letters are not the extension
    EXPECT_EQ(classifyPath("C:\\日本 🎵.txt"), kNone);
    EXPECT_STREQ(fileNameOf("C:\\ソ表\\Ωμέγα 日本 🎵.bmp"), "Ωμέγα 日本 🎵.bmp");
    EXPECT_STREQ(fileNameOf("Z:\\tmp\\ソ"), "ソ");
    EXPECT_STREQ(fileNameOf("表ソ.wav"), "表ソ.wav");
}

TEST(ClassifyExtension, TheFilesOwnExtensionInAnyCase) {
    struct Case {
        const char* path;
        MediaKind kind;
    };
    const Case cases[] = {
        {"Record.Wav", kWave},
        {"C:\\a\\x.mId", kMidi},
        {"D:film.moV", kVideo},
        {"C:\\p.bMp", kPicture},
        {"song.wav.mp3", kNone},
        {"C:\\a.wav\\notes", kNone},
        {"x.wavy", kNone},
        {"", kNone},
        {"x.WA", kNone},
    };
    for (const Case& c : cases)
        EXPECT_EQ(classifyExtension(c.path), c.kind) << c.path;
}
