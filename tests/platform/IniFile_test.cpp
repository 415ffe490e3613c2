// The settings file's reading and writing rules. The whole text of a new settings file is pinned
// by the settings tests of the game.
#include "platform/IniFile.h"

#include "CaseTable.h"
#include "TestFiles.h"

#include <array>
#include <stdexcept>

using platform::IniFile;
using namespace test;

// That an oversized file, a folder or a FIFO is refused is pinned by the file readers' hardening
// tests; saving, and loading a saved file, by the game's settings tests.
TEST(IniFileReading, AMissingFileGivesDefaults) {
    TempFolder folder;
    IniFile ini = IniFile::Parse("[options]\nDifficulty=3\n");
    const platform::FileResult result = ini.LoadFromFile(folder.File("absent.ini"));
    EXPECT_TRUE(!result && result.Error.find("does not exist") != std::string::npos) << result.Error;
    EXPECT_EQ(ini.ReadInteger("options", "Difficulty", 2), 2) << "nothing of the old contents is left";
}

TEST(IniFileReading, ValuesFollowTheSettingsRules) {
    EXPECT_TRUE(MatchesCaseTable(PLATFORM_TEST_DATA "/ini-values.txt", [](const std::string& value) {
        const IniFile ini = IniFile::Parse("[options]\r\nKey=" + value + "\r\n");
        const std::int32_t integer = ini.ReadInteger("options", "Key", 77);
        const bool boolean = ini.ReadBool("options", "Key", true);
        return "string \"" + ini.ReadString("options", "Key", "none") + "\", integer " +
               (integer == ini.ReadInteger("options", "Key", -77) ? std::to_string(integer) : "default") +
               ", bool " +
               (boolean == ini.ReadBool("options", "Key", false) ? (boolean ? "true" : "false") : "default");
    }));
}

// Names match without regard to case and blanks, and the first section or key of a name counts.
// Each line keeps its own break and new lines take the file's first kind; an editor's byte order
// mark is skipped on reading and kept on writing; every other line stays as it was.
TEST(IniFileWriting, UpdatesKeepTheLineBreaksAndEverythingElse) {
    EXPECT_TRUE(MatchesCaseTable(PLATFORM_TEST_DATA "/ini-files.txt", [](const std::string& text) {
        IniFile ini = IniFile::Parse(text);
        const std::string read = "Difficulty " + ini.ReadString("options", "Difficulty", "none") +
                                 ", Current " + ini.ReadString("Options", "CURRENT", "none");
        ini.WriteInteger("options", "DIFFICULTY", 4);
        ini.WriteBool("options", "Current", true);
        ini.WriteString("new", "Key", "value with = sign");
        return read + " => " + ini.Text();
    }));
    EXPECT_FALSE(IniFile::Parse("[options]\n; note=9\n").ReadValue("options", "; note"))
        << "a comment is no key";
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
