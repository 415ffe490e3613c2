// The settings file: the reading rules and the written text.
#include "TestFiles.h"
#include "game/Settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <utility>

namespace fs = std::filesystem;

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

// The seven keys in order after the file's other content, written three times: the same-digit tint
// is written only once switched off, and from then on kept.
TEST(Settings, WritesTheSevenKeysInOrderAndKeepsOtherContent) {
    platform::IniFile file = platform::IniFile::Parse("[window]\r\nLeft=10\r\n");
    TSettings s;
    s.Current = -2147483647 - 1;
    std::string written;
    for (const bool sameDigit : {true, false, true}) {
        s.HiliteSameDigit = sameDigit;
        WriteSettings(file, s);
        written += file.Text() + "\r\n";
        EXPECT_EQ(ReadSettings(file), s);
    }
    EXPECT_TRUE(test::MatchesGoldenFile(written, GAME_TEST_DATA "/settings.ini"));

    const test::TempFolder folder;
    s.Difficulty = 4;
    ASSERT_TRUE(SaveSettingsFile(folder.File("velmora-puzzle.ini"), s));
    EXPECT_EQ(LoadSettingsFile(folder.File("velmora-puzzle.ini")), s);
}

// A settings file that is there but cannot be read is left alone at exit: a rewrite would lose
// its other sections.
TEST(Settings, AnUnreadableFileIsLeftAsItWas) {
    const test::TempFolder folder;
    const fs::path in(folder.Path());
    const std::string big = "[window]\r\nLeft=10\r\n" + std::string(platform::IniFile::MaxFileSize, ';');
    test::WriteWholeFile(folder.File("large.ini"), big);
    fs::create_directories(in / "dir.ini");
    ASSERT_EQ(::mkfifo(folder.File("pipe").c_str(), 0600), 0);
    fs::create_symlink(in / "pipe", in / "link.ini");

    for (const char* name : {"large.ini", "dir.ini", "link.ini"}) {
        SCOPED_TRACE(name);
        const TSettingsSaveResult saved = SaveSettingsFile(folder.File(name), TSettings{});
        EXPECT_EQ(saved.Outcome, TSettingsSaveOutcome::ssUnreadableKept);
        EXPECT_NE(saved.Reason.find(name), std::string::npos) << saved.Reason;
    }
    EXPECT_EQ(test::ReadWholeFile(folder.File("large.ini")), big);
    EXPECT_TRUE(fs::is_directory(in / "dir.ini") && fs::is_symlink(in / "link.ini") &&
                fs::is_fifo(in / "pipe"));
}

} // namespace
