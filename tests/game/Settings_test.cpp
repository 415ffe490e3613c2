// The settings file: the reading rules and the written text.
#include "game/Settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

namespace {

// How a number is read (hex, garbage, overflow) is the settings file's own tests' business.
TEST(Settings, ReadsNonZeroAsTrueAndALevelOutsideOneToFourAsMedium) {
    EXPECT_EQ(ParseSettings(""), TSettings{});
    EXPECT_EQ(LoadSettingsFile("/nonexistent/folder/velmora-puzzle.ini"), TSettings{});
    const TSettings read{false, false, true, true, true, 3, 123456789, true};
    EXPECT_EQ(ParseSettings("[options]\r\nHiliteRowAndColumn=0\r\nHiliteCell=0x0\r\nHiliteErrors=7\r\n"
                            "UserFont=-1\r\nTimer=0X10\r\nDifficulty=0x3\r\nCurrent=123456789\r\n"),
              read);
    const std::pair<const char*, int> levels[] = {{"9", 2}, {"0", 2}, {"-4", 2}, {"1", 1}, {"4", 4}};
    for (const auto& [text, level] : levels)
        EXPECT_EQ(ParseSettings(std::string("[options]\nDifficulty=") + text + "\n").Difficulty, level)
            << text;
}

TEST(Settings, WritesTheSevenKeysInOrderAndKeepsOtherContent) {
    TSettings s;
    s.Current = -2147483647 - 1;
    platform::IniFile file;
    WriteSettings(file, s);
    EXPECT_EQ(file.Text(), "[options]\r\nHiliteRowAndColumn=1\r\nHiliteCell=1\r\nHiliteErrors=0\r\n"
                           "UserFont=1\r\nTimer=1\r\nDifficulty=2\r\nCurrent=-2147483648\r\n");
    EXPECT_EQ(ReadSettings(file), s);

    platform::IniFile other = platform::IniFile::Parse("[window]\r\nLeft=10\r\n");
    WriteSettings(other, s);
    EXPECT_EQ(other.ReadInteger("window", "Left", 0), 10);
    EXPECT_EQ(ReadSettings(other), s);

    // The same-digit tint is written only once switched off, and from then on kept.
    s.HiliteSameDigit = false;
    WriteSettings(file, s);
    EXPECT_EQ(file.ReadValue("options", "HiliteSameDigit"), "0");
    s.HiliteSameDigit = true;
    WriteSettings(file, s);
    EXPECT_EQ(file.ReadValue("options", "HiliteSameDigit"), "1");
    EXPECT_EQ(ReadSettings(file), s);

    const std::string path = testing::TempDir() + "velmora-settings-test.ini";
    s.Difficulty = 4;
    ASSERT_TRUE(SaveSettingsFile(path, s));
    EXPECT_EQ(LoadSettingsFile(path), s);
    std::filesystem::remove(path);
}

} // namespace
