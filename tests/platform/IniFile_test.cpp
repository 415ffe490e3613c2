#include "platform/IniFile.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

using platform::IniFile;
using test::ReadWholeFile;
using test::TempFolder;
using test::WriteWholeFile;

namespace {

constexpr std::int32_t Default = 77;

std::int32_t ReadOne(const std::string& value) {
    return IniFile::Parse("[options]\r\nKey=" + value + "\r\n").ReadInteger("options", "Key", Default);
}

} // namespace

TEST(IniFileReading, MissingFileSectionOrKeyGivesDefaults) {
    TempFolder folder;
    IniFile ini;
    const platform::FileResult result = ini.LoadFromFile(folder.File("absent.ini"));
    EXPECT_FALSE(result);
    EXPECT_NE(result.Error.find("does not exist"), std::string::npos) << result.Error;
    EXPECT_EQ(ini.ReadInteger("options", "Difficulty", 2), 2);
    EXPECT_TRUE(ini.ReadBool("options", "Timer", true));
    EXPECT_FALSE(ini.ReadBool("options", "HiliteErrors", false));

    const IniFile other = IniFile::Parse("[other]\nDifficulty=4\n[options]\nCurrent=5\n");
    EXPECT_EQ(other.ReadInteger("options", "Difficulty", 2), 2);
    EXPECT_EQ(other.ReadInteger("options", "Current", 0), 5);
    EXPECT_EQ(other.ReadInteger("missing", "Current", 9), 9);
}

TEST(IniFileReading, IntegerValuesFollowTheSettingsRules) {
    struct Case {
        const char* Value;
        std::int32_t Expected;
    };
    const Case cases[] = {
        {"12", 12},
        {"-5", -5},
        {"+7", 7},
        {"  42\t", 42},
        {"0x1F", 31},
        {"0X1f", 31},
        {"0xFFFFFFFF", -1},
        {"0x000000010", 16},
        {"0x7fffffff", std::numeric_limits<std::int32_t>::max()},
        {"2147483647", std::numeric_limits<std::int32_t>::max()},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        // Not valid integers: the default, never a partial value.
        {"0x", Default},
        {"0x-1", Default},
        {"0xG1", Default},
        {"0x100000000", Default},
        {"12abc", Default},
        {"1 2", Default},
        {"1.5", Default},
        {"", Default},
        {"abc", Default},
        {"--1", Default},
        {"+-1", Default},
        {"2147483648", Default},
        {"-2147483649", Default},
        {"99999999999999999999", Default},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadOne(c.Value), c.Expected) << "value \"" << c.Value << "\"";
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

TEST(IniFileReading, ByteOrderMarkFromAnEditorIsSkippedAndKept) {
    IniFile ini = IniFile::Parse("\xEF\xBB\xBF[options]\r\nDifficulty=3\r\n");
    EXPECT_EQ(ini.ReadInteger("options", "Difficulty", 2), 3);
    ini.WriteInteger("options", "Difficulty", 4);
    EXPECT_EQ(ini.Text(), "\xEF\xBB\xBF[options]\r\nDifficulty=4\r\n");
}

TEST(IniFileReading, CrLfLfAndLoneCrAllEndALineAndAreKept) {
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
    };
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

TEST(IniFileReading, DamagedOrOversizedFilesReadAsDefaults) {
    TempFolder folder;
    const std::string garbage = folder.File("garbage.ini");
    WriteWholeFile(garbage, std::string("\0\xff[opt\0ions]\n=\n==\n[options\nDifficulty\n\x01\x02", 32));
    const IniFile damaged = IniFile::Load(garbage);
    EXPECT_EQ(damaged.ReadInteger("options", "Difficulty", 2), 2);

    const std::string big = folder.File("big.ini");
    WriteWholeFile(big, "[options]\nDifficulty=3\n" + std::string(IniFile::MaxFileSize, ';'));
    IniFile oversized;
    const platform::FileResult result = oversized.LoadFromFile(big);
    EXPECT_FALSE(result);
    EXPECT_NE(result.Error.find("larger than"), std::string::npos) << result.Error;
    EXPECT_EQ(oversized.ReadInteger("options", "Difficulty", 2), 2);
}

TEST(IniFileWriting, NewFileHoldsTheKeysInWriteOrderWithCrLf) {
    IniFile ini;
    ini.WriteBool("options", "HiliteRowAndColumn", true);
    ini.WriteBool("options", "HiliteCell", true);
    ini.WriteBool("options", "HiliteErrors", false);
    ini.WriteBool("options", "UserFont", true);
    ini.WriteBool("options", "Timer", true);
    ini.WriteInteger("options", "Difficulty", 2);
    ini.WriteInteger("options", "Current", -17);
    EXPECT_EQ(ini.Text(),
              "[options]\r\nHiliteRowAndColumn=1\r\nHiliteCell=1\r\nHiliteErrors=0\r\nUserFont=1\r\n"
              "Timer=1\r\nDifficulty=2\r\nCurrent=-17\r\n");
}

TEST(IniFileWriting, UpdatesKeepEverythingElse) {
    const std::string original = "; settings\n[window]\nLeft=10\n\n[Options]\nTimer=0\nOther=keep me\n\n"
                                 "[last]\nx=1\n";
    IniFile ini = IniFile::Parse(original);
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
    EXPECT_THROW(ini.WriteString("options", "B", "two\nlines"), std::invalid_argument);
    EXPECT_THROW(ini.WriteString("options", "B=C", "1"), std::invalid_argument);
    EXPECT_THROW(ini.WriteString("options", "", "1"), std::invalid_argument);
    EXPECT_THROW(ini.WriteString("opt]ions", "B", "1"), std::invalid_argument);
    EXPECT_THROW(ini.WriteString("options", "[B", "1"), std::invalid_argument);
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
    EXPECT_EQ(IniFile::Load(path).ReadInteger("options", "Difficulty", 0), 4);

    const platform::FileResult failed = ini.Save(folder.File("no-such-folder/velmora-puzzle.ini"));
    EXPECT_FALSE(failed);
    EXPECT_NE(failed.Error.find("no-such-folder"), std::string::npos) << failed.Error;
}
