// The settings file's reading and writing rules. The whole text of a new settings file is pinned
// by the settings tests of the game.
#include "platform/IniFile.h"

#include "TestFiles.h"

#include <array>
#include <limits>
#include <stdexcept>

using platform::IniFile;
using namespace test;

TEST(IniFileReading, MissingFileSectionOrKeyGivesDefaults) {
    TempFolder folder;
    IniFile ini;
    const platform::FileResult result = ini.LoadFromFile(folder.File("absent.ini"));
    EXPECT_FALSE(result);
    EXPECT_NE(result.Error.find("does not exist"), std::string::npos) << result.Error;
    EXPECT_EQ(ini.ReadInteger("options", "Difficulty", 2), 2);

    const IniFile other = IniFile::Parse("[other]\nDifficulty=4\n[options]\nCurrent=5\n");
    EXPECT_EQ(other.ReadInteger("options", "Difficulty", 2), 2);
    EXPECT_EQ(other.ReadInteger("options", "Current", 0), 5);
    EXPECT_EQ(other.ReadInteger("missing", "Current", 9), 9);
}

TEST(IniFileReading, IntegerValuesFollowTheSettingsRules) {
    constexpr std::int32_t Default = 77, Max = std::numeric_limits<std::int32_t>::max(), Min = -Max - 1;
    const auto read = [](const std::string& value) {
        return IniFile::Parse("[options]\r\nKey=" + value + "\r\n").ReadInteger("options", "Key", Default);
    };
    using Case = std::pair<const char*, std::int32_t>;
    const Case valid[] = {{"12", 12},          {"-5", -5},          {"+7", 7},           {"  42\t", 42},
                          {"0x1F", 31},        {"0X1f", 31},        {"0xFFFFFFFF", -1},  {"0x000000010", 16},
                          {"0x7fffffff", Max}, {"2147483647", Max}, {"-2147483648", Min}};
    for (const auto& [value, expected] : valid)
        EXPECT_EQ(read(value), expected) << '"' << value << '"';
    // Not valid integers: the default, never a partial value.
    for (const char* value : {"0x", "0x-1", "0xG1", "0x100000000", "12abc", "1 2", "1.5", "", "abc", "--1",
                              "+-1", "2147483648", "-2147483649", "99999999999999999999"})
        EXPECT_EQ(read(value), Default) << '"' << value << '"';
}

TEST(IniFileReading, BooleansAreNonZeroIntegers) {
    const IniFile ini = IniFile::Parse("[options]\nA=0\nB=1\nC=2\nD=-1\nE=yes\nF=0x0\nG=\n");
    struct Row {
        const char* Key;
        bool Default;
        bool Expected;
    };
    // An unreadable or empty value keeps the default.
    const Row rows[] = {{"A", true, false}, {"B", false, true},  {"C", false, true}, {"D", false, true},
                        {"E", true, true},  {"E", false, false}, {"F", true, false}, {"G", true, true}};
    for (const Row& row : rows)
        EXPECT_EQ(ini.ReadBool("options", row.Key, row.Default), row.Expected)
            << row.Key << " " << row.Default;
}

TEST(IniFileReading, NamesIgnoreCaseAndBlanksAndTheFirstEntryCounts) {
    const IniFile ini = IniFile::Parse("; comment=9\n[ OPTIONS ]\n  hilitecell = 0 \nHiliteCell=1\n"
                                       "[options]\nCurrent=3\n");
    EXPECT_FALSE(ini.ReadBool("options", "HiliteCell", true));
    EXPECT_EQ(ini.ReadString("Options", "HILITECELL", "x"), "0");
    // The first "options" section is the one read, as the profile functions do.
    EXPECT_EQ(ini.ReadInteger("options", "Current", -1), -1);
    EXPECT_FALSE(ini.ReadValue("options", "; comment").has_value());
}

// Each line keeps its own break; new lines take the file's first kind. An editor's byte order
// mark is skipped on reading and kept on writing.
TEST(IniFileReading, LineBreaksAndByteOrderMarkAreReadAndKept) {
    struct Case {
        const char* Name;
        const char* Text;
        const char* Written; // after Difficulty=4 and a new Current=5
    };
    const Case cases[] = {
        {"CR LF", "[options]\r\nDifficulty=3\r\n", "[options]\r\nDifficulty=4\r\nCurrent=5\r\n"},
        {"LF", "[options]\nDifficulty=3\n", "[options]\nDifficulty=4\nCurrent=5\n"},
        {"CR", "[options]\rDifficulty=3\r", "[options]\rDifficulty=4\rCurrent=5\r"},
        {"CR first, then mixed", "[options]\rDifficulty=3\n;x\r\n",
         "[options]\rDifficulty=4\nCurrent=5\r;x\r\n"},
        {"byte order mark", "\xEF\xBB\xBF[options]\r\nDifficulty=3\r\n",
         "\xEF\xBB\xBF[options]\r\nDifficulty=4\r\nCurrent=5\r\n"}};
    for (const Case& c : cases) {
        IniFile ini = IniFile::Parse(c.Text);
        EXPECT_EQ(ini.ReadInteger("options", "Difficulty", 2), 3) << c.Name;
        ini.WriteInteger("options", "Difficulty", 4);
        ini.WriteInteger("options", "Current", 5);
        EXPECT_EQ(ini.Text(), c.Written) << c.Name;
    }
}

TEST(IniFileReading, RandomBytesNeverBreakReading) {
    std::uint32_t seed = 7;
    const std::string alphabet = "[]=;\r\n \t0x9aA-+options";
    for (int round = 0; round < 500; ++round) {
        std::string text;
        for (int i = 0; i < 60; ++i) {
            seed = seed * 1664525u + 1013904223u;
            text +=
                (seed >> 28) < 12 ? alphabet[(seed >> 8) % alphabet.size()] : static_cast<char>(seed >> 16);
        }
        IniFile ini = IniFile::Parse(text);
        const std::int32_t value = ini.ReadInteger("options", "a", 5);
        ini.WriteInteger("options", "a", value);
        EXPECT_EQ(IniFile::Parse(ini.Text()).ReadInteger("options", "a", -5), value) << "round " << round;
    }
}

// The reasons of a refused oversized file are pinned by the file readers' hardening tests.
TEST(IniFileReading, DamagedOrOversizedFilesReadAsDefaults) {
    TempFolder folder;
    WriteWholeFile(folder.File("garbage.ini"),
                   std::string("\0\xff[opt\0ions]\n=\n==\n[options\nDifficulty\n\x01\x02", 32));
    EXPECT_EQ(IniFile::Load(folder.File("garbage.ini")).ReadInteger("options", "Difficulty", 2), 2);
    WriteWholeFile(folder.File("big.ini"),
                   "[options]\nDifficulty=3\n" + std::string(IniFile::MaxFileSize, ';'));
    EXPECT_EQ(IniFile::Load(folder.File("big.ini")).ReadInteger("options", "Difficulty", 2), 2);
}

TEST(IniFileWriting, UpdatesKeepEverythingElse) {
    IniFile ini = IniFile::Parse("; settings\n[window]\nLeft=10\n\n[Options]\nTimer=0\nOther=keep me\n\n"
                                 "[last]\nx=1\n");
    ini.WriteBool("options", "TIMER", true);
    ini.WriteInteger("options", "Current", 123);
    ini.WriteString("new", "Key", "value with = sign");
    EXPECT_EQ(ini.Text(),
              "; settings\n[window]\nLeft=10\n\n[Options]\nTIMER=1\nOther=keep me\nCurrent=123\n\n"
              "[last]\nx=1\n[new]\nKey=value with = sign\n");
    EXPECT_EQ(IniFile::Parse(ini.Text()).ReadString("new", "key", ""), "value with = sign");
}

TEST(IniFileWriting, UnstorableNamesAreRefusedWithoutChange) {
    IniFile ini = IniFile::Parse("[options]\r\nA=1\r\n");
    const std::string before = ini.Text();
    const std::array<const char*, 3> refused[] = {{"options", "B", "two\nlines"},
                                                  {"options", "B=C", "1"},
                                                  {"options", "", "1"},
                                                  {"opt]ions", "B", "1"},
                                                  {"options", "[B", "1"}};
    for (const auto& [section, key, value] : refused)
        EXPECT_THROW(ini.WriteString(section, key, value), std::invalid_argument) << section << " " << key;
    EXPECT_EQ(ini.Text(), before);
}

TEST(IniFileSaving, RoundTripThroughAFileAndClearFailure) {
    TempFolder folder;
    const std::string path = folder.File("velmora-puzzle.ini");
    WriteWholeFile(path, "[options]\nDifficulty=3\n[extra]\nkeep=yes\n");
    IniFile ini = IniFile::Load(path);
    ini.WriteInteger("options", "Difficulty", 4);
    ASSERT_TRUE(ini.Save(path));
    EXPECT_EQ(ReadWholeFile(path), "[options]\nDifficulty=4\n[extra]\nkeep=yes\n");

    const platform::FileResult failed = ini.Save(folder.File("no-such-folder/velmora-puzzle.ini"));
    EXPECT_FALSE(failed);
    EXPECT_NE(failed.Error.find("no-such-folder"), std::string::npos) << failed.Error;
}
