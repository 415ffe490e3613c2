// The settings file: the reading rules and the written text.
#include "game/Settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

TEST(Settings, ReadsIntegersHexAndNonZeroAsTrueAndGarbageAsMissing) {
    const struct {
        const char* Name;
        const char* Text;
        std::function<void(TSettings&)> Expected; // applied to the defaults
    } rows[] = {
        {"empty", "", [](TSettings&) {}},
        {"keys count only in their section", "[other]\r\nTimer=0\r\n", [](TSettings&) {}},
        {"integers, hex and any non-zero",
         "[options]\r\nHiliteRowAndColumn=0\r\nHiliteCell=0x0\r\nHiliteErrors=7\r\nUserFont=-1\r\n"
         "Timer=0X10\r\nDifficulty=0x3\r\nCurrent=123456789\r\n",
         [](TSettings& s) {
             s.HiliteRowAndColumn = s.HiliteCell = false;
             s.HiliteErrors = true;
             s.Difficulty = 3;
             s.Current = 123456789;
         }},
        {"garbage counts as missing",
         "[options]\nHiliteRowAndColumn=yes\nTimer=\nHiliteErrors=1.5\nCurrent=99999999999\n",
         [](TSettings&) {}},
        {"level 9 is Medium", "[options]\nDifficulty=9\n", [](TSettings&) {}},
        {"level 0 is Medium", "[options]\nDifficulty=0\n", [](TSettings&) {}},
        {"level -4 is Medium", "[options]\nDifficulty=-4\n", [](TSettings&) {}},
        {"level 4", "[options]\nDifficulty=4\n", [](TSettings& s) { s.Difficulty = 4; }},
    };
    for (const auto& row : rows) {
        TSettings expected;
        row.Expected(expected);
        EXPECT_EQ(ParseSettings(row.Text), expected) << row.Name;
    }
    EXPECT_EQ(LoadSettingsFile("/nonexistent/folder/velmora-puzzle.ini"), TSettings{});
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
