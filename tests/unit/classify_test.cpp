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
