#include "calc/startup.h"
#include "player/state.h"
#include "registry_sandbox.h"
#include "settings.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

constexpr const char* kKey = "Software\\Tessaril\\VeboTest";

class Settings : public ::testing::Test {
  protected:
    RegistrySandbox sandbox;
    std::array<char, 40> text{};
};

} // namespace

TEST_F(Settings, FirstReadCreatesTheKeyAndGivesTheDefault) {
    ASSERT_FALSE(registryHasKey(kKey));
    EXPECT_EQ(readSetting(kKey, "BLcx", text.data(), text.size(), "640"), 640.0);
    EXPECT_STREQ(text.data(), "640");
    EXPECT_TRUE(registryHasKey(kKey));
    EXPECT_EQ(readSetting(kKey, "Cd1", text.data(), text.size(), "-1"), -1.0);
    EXPECT_EQ(writeSetting(kKey, "Cd1", "25"), 1);
    EXPECT_EQ(readSetting(kKey, "Cd1", text.data(), text.size(), "-1"), 25.0);
}

TEST_F(Settings, StoredTextIsHandedBackWithItsLeadingNumber) {
    registryWriteText(kKey, "V", "12abc");
    EXPECT_EQ(readSetting(kKey, "V", text.data(), text.size(), "0"), 12.0);
    EXPECT_STREQ(text.data(), "12abc");
    registryWriteText(kKey, "V", "640.9");
    EXPECT_EQ(readSetting(kKey, "V", text.data(), text.size(), "0"), 640.9);
    registryWriteText(kKey, "V", "letters");
    EXPECT_EQ(readSetting(kKey, "V", text.data(), text.size(), "5"), 0.0);
}

TEST_F(Settings, EmptyStoredTextCountsAsMissing) {
    registryWriteText(kKey, "V", "");
    EXPECT_EQ(readSetting(kKey, "V", text.data(), text.size(), "100"), 100.0);
    EXPECT_STREQ(text.data(), "100");
}

TEST_F(Settings, TextTooLongForTheCallersAreaGivesTheDefaultAndNoOverrun) {
    std::array<char, 8 + 8> guarded{};
    guarded.fill('#');
    registryWriteText(kKey, "V", "123456789");
    EXPECT_EQ(readSetting(kKey, "V", guarded.data(), 8, "7"), 7.0);
    EXPECT_STREQ(guarded.data(), "7");
    for (std::size_t i = 8; i < guarded.size(); ++i)
        EXPECT_EQ(guarded[i], '#') << "byte " << i << " overwritten";
    registryWriteText(kKey, "V", "1234567"); // 7 characters and the terminator fit exactly
    EXPECT_EQ(readSetting(kKey, "V", guarded.data(), 8, "7"), 1234567.0);
}

TEST_F(Settings, TextsOf399CharactersAreReadWholeAnd400OrMoreAreMissing) {
    std::array<char, 1100> area{};
    std::string longest = "1" + std::string(398, '0');
    registryWriteText(kKey, "V", longest);
    readSetting(kKey, "V", area.data(), area.size(), "3");
    EXPECT_EQ(std::string(area.data()), longest);
    for (std::size_t length : {400u, 401u, 1000u}) {
        registryWriteText(kKey, "V", std::string(length, '9'));
        EXPECT_EQ(readSetting(kKey, "V", area.data(), area.size(), "3"), 3.0) << length;
        EXPECT_STREQ(area.data(), "3");
    }
}

TEST_F(Settings, ValuesThatAreNotTextAreMissing) {
    DWORD number = 77;
    registryWriteBytes(kKey, "V", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(readSetting(kKey, "V", text.data(), text.size(), "-1"), -1.0);
    EXPECT_STREQ(text.data(), "-1");
}

// Both programs' values, as a registry editor may leave them: an expandable text is still a
// text, and it is taken as stored, its %...% names unexpanded.
TEST_F(Settings, ExpandableTextIsReadAsStoredWithNothingExpanded) {
    const char place[] = "-30%HOMEDRIVE%";
    registryWriteBytes(kPlayerKey, "Cd1", REG_EXPAND_SZ, place, sizeof place);
    EXPECT_EQ(readSetting(kPlayerKey, "Cd1", text.data(), text.size(), "-1"), -30.0);
    EXPECT_STREQ(text.data(), place);
    const char value[] = "2.5%SystemRoot%";
    registryWriteBytes(kCalcKey, "OldVal", REG_EXPAND_SZ, value, sizeof value);
    EXPECT_EQ(readSetting(kCalcKey, "OldVal", text.data(), text.size(), "0"), 2.5);
    EXPECT_STREQ(text.data(), value);
}

TEST_F(Settings, TextStoredWithoutTerminatorIsReadWithinBounds) {
    registryWriteBytes(kKey, "V", REG_SZ, "42", 2);
    EXPECT_EQ(readSetting(kKey, "V", text.data(), text.size(), "0"), 42.0);
    EXPECT_STREQ(text.data(), "42");
}

TEST_F(Settings, WriteStoresTheTextWithItsTerminator) {
    readSetting(kKey, "V", text.data(), text.size(), "0");
    ASSERT_EQ(writeSetting(kKey, "V", "ab"), 1);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD size = 0, type = 0;
    RegQueryValueExA(key, "V", nullptr, &type, nullptr, &size);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 3u);
}

TEST_F(Settings, WriteToAMissingKeyStoresNothingAndReportsIt) {
    EXPECT_EQ(writeSetting(kKey, "V", "1"), 0);
    EXPECT_FALSE(registryHasKey(kKey));
}

TEST_F(Settings, KeyThatCannotBeCreatedGivesTheDefaults) {
    // A path segment longer than the registry allows can be neither created nor opened.
    std::string bad = std::string("Software\\") + std::string(300, 'k');
    EXPECT_EQ(readSetting(bad.c_str(), "V", text.data(), text.size(), "-1"), -1.0);
    EXPECT_STREQ(text.data(), "-1");
    EXPECT_EQ(writeSetting(bad.c_str(), "V", "1"), 0);
}

TEST_F(Settings, FailedValueWriteIsReported) {
    readSetting(kKey, "V", text.data(), text.size(), "0");
    // Value names are limited to 16383 characters; a longer one cannot be stored.
    std::string name(20000, 'n');
    EXPECT_EQ(writeSetting(kKey, name.c_str(), "1"), 0);
}
