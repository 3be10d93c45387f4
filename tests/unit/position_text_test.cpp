#include "player/position_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

std::string textOf(std::uint32_t position, std::uint32_t length, std::uint32_t rate) {
    char text[kPositionTextSize];
    std::memset(text, 'x', sizeof text);
    positionText(text, sizeof text, position, length, rate);
    return text;
}

std::string inMilliseconds(std::uint32_t position, std::uint32_t length) {
    return textOf(position, length, kMillisecondsPerKilosecond);
}

} // namespace

TEST(PositionText, MillisecondsInWholeSecondsRoundedDown) {
    EXPECT_EQ(inMilliseconds(12000, 65000), "0:12 / 1:05");
    EXPECT_EQ(inMilliseconds(12999, 65999), "0:12 / 1:05");
    EXPECT_EQ(inMilliseconds(0, 999), "0:00 / 0:00");
    EXPECT_EQ(inMilliseconds(599999, 600000), "9:59 / 10:00");
}

TEST(PositionText, HoursInFrontFromTheFirstHourOn) {
    EXPECT_EQ(inMilliseconds(3599999, 3600000), "59:59 / 1:00:00");
    EXPECT_EQ(inMilliseconds(3723000, 36000000), "1:02:03 / 10:00:00");
}

TEST(PositionText, LongestPositionsDoNotWrapAround) {
    EXPECT_EQ(inMilliseconds(UINT32_MAX, UINT32_MAX), "1193:02:47 / 1193:02:47");
    // At one frame per thousand seconds, the slowest rate there is.
    EXPECT_EQ(textOf(UINT32_MAX, 1, 1), "1193046470:50:00 / 16:40");
}

TEST(PositionText, FramesBecomeTimeAtTheReportedRate) {
    // 25 frames a second: 25,000 frames per thousand seconds.
    EXPECT_EQ(textOf(300, 1625, 25000), "0:12 / 1:05");
    // 29.97 frames a second.
    EXPECT_EQ(textOf(2997, 5994, 29970), "1:40 / 3:20");
}

TEST(PositionText, FramesWithoutARateSaySo) {
    EXPECT_EQ(textOf(12, 65, 0), "12 / 65 frames");
    EXPECT_EQ(textOf(0, UINT32_MAX, 0), "0 / 4294967295 frames");
}

TEST(PositionText, LongestTextsFitTheirRoom) {
    EXPECT_LT(textOf(UINT32_MAX, UINT32_MAX, 1).size(), kPositionTextSize);
    EXPECT_LT(textOf(UINT32_MAX, UINT32_MAX, 0).size(), kPositionTextSize);
}

TEST(PositionText, SmallAreaGetsTheCutText) {
    char text[6];
    std::memset(text, 'x', sizeof text);
    positionText(text, sizeof text, 12000, 65000, kMillisecondsPerKilosecond);
    EXPECT_STREQ(text, "0:12 ");
    char none[1] = {'x'};
    positionText(none, sizeof none, 12000, 65000, kMillisecondsPerKilosecond);
    EXPECT_EQ(none[0], '\0');
}
