// The settings file: defaults, the reading rules, the written text, and a file that cannot be written.
#include "game/Settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

TEST(Settings, AMissingFileOrKeyGivesTheDefaults) {
    const TSettings defaults = ParseSettings("");
    EXPECT_TRUE(defaults.HiliteRowAndColumn);
    EXPECT_TRUE(defaults.HiliteCell);
    EXPECT_FALSE(defaults.HiliteErrors);
    EXPECT_TRUE(defaults.UserFont);
    EXPECT_TRUE(defaults.TimedGame);
    EXPECT_EQ(defaults.Difficulty, 2);
    EXPECT_EQ(defaults.Current, 0);
    EXPECT_EQ(LoadSettingsFile("/nonexistent/folder/velmora-puzzle.ini"), defaults);
    EXPECT_EQ(ParseSettings("[other]\r\nTimer=0\r\n"), defaults) << "keys count only in their section";
}

TEST(Settings, ReadsIntegersHexAndBooleansAsNonZero) {
    const TSettings s = ParseSettings("[options]\r\nHiliteRowAndColumn=0\r\nHiliteCell=0x0\r\n"
                                      "HiliteErrors=7\r\nUserFont=-1\r\nTimer=0X10\r\n"
                                      "Difficulty=0x3\r\nCurrent=123456789\r\n");
    EXPECT_FALSE(s.HiliteRowAndColumn);
    EXPECT_FALSE(s.HiliteCell);
    EXPECT_TRUE(s.HiliteErrors);
    EXPECT_TRUE(s.UserFont);
    EXPECT_TRUE(s.TimedGame);
    EXPECT_EQ(s.Difficulty, 3);
    EXPECT_EQ(s.Current, 123456789);
}

TEST(Settings, GarbageCountsAsMissingAndABadLevelIsMedium) {
    const TSettings s = ParseSettings("[options]\nHiliteRowAndColumn=yes\nTimer=\nHiliteErrors=1.5\n"
                                      "Difficulty=9\nCurrent=99999999999\n");
    EXPECT_TRUE(s.HiliteRowAndColumn);
    EXPECT_TRUE(s.TimedGame);
    EXPECT_FALSE(s.HiliteErrors);
    EXPECT_EQ(s.Difficulty, 2);
    EXPECT_EQ(s.Current, 0);
    EXPECT_EQ(ParseSettings("[options]\nDifficulty=0\n").Difficulty, 2);
    EXPECT_EQ(ParseSettings("[options]\nDifficulty=-4\n").Difficulty, 2);
    EXPECT_EQ(ParseSettings("[options]\nDifficulty=4\n").Difficulty, 4);
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
}

TEST(Settings, SavingIsWholeOrNothing) {
    const fs::path folder =
        fs::temp_directory_path() /
        ("velmora-settings-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::create_directories(folder);
    const fs::path path = folder / "velmora-puzzle.ini";
    TSettings s;
    s.Difficulty = 4;
    s.Current = 77;
    ASSERT_TRUE(SaveSettingsFile(path.string(), s));
    EXPECT_EQ(LoadSettingsFile(path.string()), s);

    EXPECT_FALSE(SaveSettingsFile((folder / "no" / "such.ini").string(), s));
    fs::create_directories(folder / "dir.ini");
    EXPECT_FALSE(SaveSettingsFile((folder / "dir.ini").string(), s));
    fs::remove_all(folder);
}

} // namespace
