#include "player/band.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr int kCaption = 19;

// A captioned window whose client area is clientWidth by clientHeight (band included).
BandLayout framed(int clientWidth, int clientHeight) {
    return BandLayout{clientWidth + 6, clientHeight + 6 + kCaption, 6, 6, kCaption, 20, 20, false};
}

const BandLayout kSoundWindow = framed(128, 148);

BandLayout bar(int width) {
    return BandLayout{width, 20, 0, 0, kCaption, 20, 20, true};
}

} // namespace

TEST(BandGeometry, StandardSoundWindowHasItsBandUnderThePicture) {
    EXPECT_EQ(bandTop(kSoundWindow), 128);
    EXPECT_EQ(bandBottom(kSoundWindow), 147);
    EXPECT_EQ(trackRight(kSoundWindow), 88);
    EXPECT_EQ(playButtonLeft(kSoundWindow), 108);
    EXPECT_EQ(trackSpan(kSoundWindow), 86);
}

TEST(BandGeometry, BarIsAllBandFromRowZero) {
    BandLayout layout = bar(640);
    EXPECT_EQ(bandTop(layout), 0);
    EXPECT_EQ(bandBottom(layout), 19);
    EXPECT_EQ(trackRight(layout), 600);
    EXPECT_EQ(playButtonLeft(layout), 620);
}

TEST(BandGeometry, VideoBandSitsUnderTheFramesAndTheirExtraRow) {
    // A 320 by 240 source gives a client area of 321 by 241 + 20.
    BandLayout layout = framed(321, 261);
    EXPECT_EQ(bandTop(layout), 241);
    EXPECT_EQ(trackRight(layout), 281);
    EXPECT_EQ(playButtonLeft(layout), 301);
}

TEST(BandSplit, HalfTheLengthSplitsAtColumn44) {
    EXPECT_EQ(bandSplit(kSoundWindow, 500, 1000), 44);
    EXPECT_EQ(bandSplit(kSoundWindow, 1, 2), 44);
}

TEST(BandSplit, StartsAtColumn1AndEndsBeforeTheFrame) {
    EXPECT_EQ(bandSplit(kSoundWindow, 0, 1000), 1);
    EXPECT_EQ(bandSplit(kSoundWindow, 999, 1000), 86);
    EXPECT_EQ(bandSplit(kSoundWindow, 1000, 1000), 87);
}

TEST(BandSplit, LongMediaDoNotWrapAround) {
    // 86 * 3,000,000,000 passes 2^32: in 32 bits the split would land near the start.
    EXPECT_EQ(bandSplit(kSoundWindow, 3000000000u, 4000000000u), 65);
    EXPECT_EQ(bandSplit(kSoundWindow, UINT32_MAX - 1, UINT32_MAX), 86);
    EXPECT_EQ(bandSplit(bar(640), 2000000000u, 4000000000u), 300);
}

TEST(BandSplit, PositionPastTheLengthStaysAtTheEndOfTheTrack) {
    EXPECT_EQ(bandSplit(kSoundWindow, 5000, 1000), 87);
    EXPECT_EQ(bandSplit(kSoundWindow, UINT32_MAX, 1), 87);
}

TEST(BandSplit, NoLengthOrNoTrackDrawsNothingElapsed) {
    EXPECT_EQ(bandSplit(kSoundWindow, 0, 0), 1);
    EXPECT_EQ(bandSplit(kSoundWindow, 10, 0), 1);
    EXPECT_EQ(bandSplit(bar(42), 5, 10), 1);
    EXPECT_EQ(bandSplit(bar(30), 5, 10), 1);
}

TEST(SeekTarget, ClickAt43SeeksTo43Of86RoundedDown) {
    std::uint32_t target = 7;
    ASSERT_TRUE(seekTarget(kSoundWindow, 1000, 43, target));
    EXPECT_EQ(target, 500u);
    ASSERT_TRUE(seekTarget(kSoundWindow, 1001, 43, target));
    EXPECT_EQ(target, 500u);
    ASSERT_TRUE(seekTarget(kSoundWindow, 1000, 0, target));
    EXPECT_EQ(target, 0u);
}

TEST(SeekTarget, ClicksFrom86To88ReachOrPassTheLength) {
    std::uint32_t target = 0;
    ASSERT_TRUE(seekTarget(kSoundWindow, 1000, 86, target));
    EXPECT_EQ(target, 1000u);
    ASSERT_TRUE(seekTarget(kSoundWindow, 1000, 88, target));
    EXPECT_EQ(target, 1023u);
}

TEST(SeekTarget, LongMediaDoNotWrapAround) {
    std::uint32_t target = 0;
    ASSERT_TRUE(seekTarget(kSoundWindow, 4000000000u, 43, target));
    EXPECT_EQ(target, 2000000000u);
    // Past the largest position the target is held there.
    ASSERT_TRUE(seekTarget(kSoundWindow, 4200000000u, 88, target));
    EXPECT_EQ(target, UINT32_MAX);
}

TEST(SeekTarget, TrackWithoutUsableWidthIsRefused) {
    std::uint32_t target = 99;
    EXPECT_FALSE(seekTarget(bar(42), 1000, 1, target));
    EXPECT_FALSE(seekTarget(bar(41), 1000, 1, target));
    EXPECT_FALSE(seekTarget(bar(0), 1000, 0, target));
    EXPECT_EQ(target, 99u);
    ASSERT_TRUE(seekTarget(bar(43), 1000, 1, target));
    EXPECT_EQ(target, 1000u);
}

TEST(BandClick, PauseZoneStartsRightOfPlayButtonLeft) {
    EXPECT_EQ(bandZoneAt(kSoundWindow, 108, 138), BandZone::kStop);
    EXPECT_EQ(bandZoneAt(kSoundWindow, 109, 138), BandZone::kPlayPause);
    EXPECT_EQ(bandZoneAt(kSoundWindow, 127, 147), BandZone::kPlayPause);
}

TEST(BandClick, StopZoneStartsRightOfTrackRight) {
    EXPECT_EQ(bandZoneAt(kSoundWindow, 88, 138), BandZone::kTrack);
    EXPECT_EQ(bandZoneAt(kSoundWindow, 89, 138), BandZone::kStop);
    EXPECT_EQ(bandZoneAt(kSoundWindow, 0, 128), BandZone::kTrack);
}

TEST(BandClick, RowsAboveTheBandAreOutside) {
    EXPECT_EQ(bandZoneAt(kSoundWindow, 120, 127), BandZone::kOutside);
    EXPECT_EQ(bandZoneAt(kSoundWindow, 10, 0), BandZone::kOutside);
    EXPECT_EQ(bandZoneAt(kSoundWindow, 120, 128), BandZone::kPlayPause);
}

TEST(BandClick, WholeBarIsBand) {
    BandLayout layout = bar(640);
    EXPECT_EQ(bandZoneAt(layout, 0, 0), BandZone::kTrack);
    EXPECT_EQ(bandZoneAt(layout, 600, 0), BandZone::kTrack);
    EXPECT_EQ(bandZoneAt(layout, 601, 5), BandZone::kStop);
    EXPECT_EQ(bandZoneAt(layout, 620, 19), BandZone::kStop);
    EXPECT_EQ(bandZoneAt(layout, 621, 19), BandZone::kPlayPause);
}

TEST(BandClick, FarCoordinatesFallInTheRightmostZone) {
    EXPECT_EQ(bandZoneAt(kSoundWindow, 65535, 65535), BandZone::kPlayPause);
    EXPECT_EQ(bandZoneAt(kSoundWindow, 65535, 0), BandZone::kOutside);
}

namespace {

::testing::AssertionResult isRect(const BandRect& rect, int left, int top, int right, int bottom) {
    if (rect.left == left && rect.top == top && rect.right == right && rect.bottom == bottom)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << rect.left << ", " << rect.top << ", "
                                         << rect.right << ", " << rect.bottom << ")";
}

} // namespace

TEST(BandParts, StandardSoundWindowDrawsTrackStopAndPlayPauseSideBySide) {
    EXPECT_TRUE(isRect(bandZoneRect(kSoundWindow, BandZone::kTrack), 0, 128, 88, 148));
    EXPECT_TRUE(isRect(bandZoneRect(kSoundWindow, BandZone::kStop), 88, 128, 108, 148));
    EXPECT_TRUE(isRect(bandZoneRect(kSoundWindow, BandZone::kPlayPause), 108, 128, 128, 148));
    EXPECT_TRUE(bandZoneUsable(kSoundWindow, BandZone::kTrack));
    EXPECT_TRUE(bandZoneUsable(kSoundWindow, BandZone::kStop));
    EXPECT_TRUE(bandZoneUsable(kSoundWindow, BandZone::kPlayPause));
}

TEST(BandParts, OutsideIsNoPart) {
    BandRect rect = bandZoneRect(kSoundWindow, BandZone::kOutside);
    EXPECT_EQ(rect.right, rect.left);
    EXPECT_FALSE(bandZoneUsable(kSoundWindow, BandZone::kOutside));
}

TEST(BandParts, BarWithoutAUsableTrackKeepsItsButtons) {
    BandLayout layout = bar(42); // trackRight 2: a sliver of track that cannot seek
    EXPECT_TRUE(isRect(bandZoneRect(layout, BandZone::kTrack), 0, 0, 2, 20));
    EXPECT_FALSE(bandZoneUsable(layout, BandZone::kTrack));
    EXPECT_TRUE(bandZoneUsable(layout, BandZone::kStop));
    EXPECT_TRUE(bandZoneUsable(bar(43), BandZone::kTrack));
}

TEST(BandParts, NarrowBarCutsItsButtonsToTheWindow) {
    BandLayout layout = bar(30); // STOP drawn from column -10, PLAY/PAUSE from 10
    EXPECT_TRUE(isRect(bandZoneRect(layout, BandZone::kTrack), 0, 0, 0, 20));
    EXPECT_TRUE(isRect(bandZoneRect(layout, BandZone::kStop), 0, 0, 10, 20));
    EXPECT_TRUE(isRect(bandZoneRect(layout, BandZone::kPlayPause), 10, 0, 30, 20));
    EXPECT_TRUE(bandZoneUsable(layout, BandZone::kStop));
    layout = bar(15); // STOP lies wholly left of the window
    EXPECT_TRUE(isRect(bandZoneRect(layout, BandZone::kStop), 0, 0, 0, 20));
    EXPECT_FALSE(bandZoneUsable(layout, BandZone::kStop));
    EXPECT_TRUE(isRect(bandZoneRect(layout, BandZone::kPlayPause), 0, 0, 15, 20));
    EXPECT_TRUE(bandZoneUsable(layout, BandZone::kPlayPause));
    EXPECT_FALSE(bandZoneUsable(bar(0), BandZone::kPlayPause));
}
