// The player's options, the last level and the last puzzle number, kept in the settings file
// beside the executable (section "options"). Reading and writing work on an IniFile, so the rules
// can be driven from text in memory.
#pragma once

#include "platform/IniFile.h"

#include <cstdint>
#include <string>
#include <string_view>

struct TSettings {
    bool HiliteRowAndColumn = true;
    bool HiliteCell = true;
    bool HiliteErrors = false; // clashing digits shown red
    bool UserFont = true;
    bool TimedGame = true;
    std::int32_t Difficulty = 2; // always 1-4 after reading
    std::int32_t Current = 0;    // the puzzle number
    // Written only once the player has switched it off, so the file of a player who never
    // touches it keeps its seven keys.
    bool HiliteSameDigit = true;

    friend bool operator==(const TSettings&, const TSettings&) = default;
};

// The seven keys, in file order, with a missing or unreadable value giving its default and a
// level outside 1-4 giving 2.
TSettings ReadSettings(const platform::IniFile& file);
TSettings ParseSettings(std::string_view text);

// Writes the seven keys in file order; other sections and keys of File stay as they are.
void WriteSettings(platform::IniFile& file, const TSettings& settings);

// Reads the settings file at Path (a missing or unreadable file gives the defaults).
TSettings LoadSettingsFile(const std::string& path);

enum class TSettingsSaveOutcome {
    ssSaved,
    ssUnreadableKept, // the file exists but could not be read: it is left as it was
    ssWriteFailed,    // the file could not be written
};

struct TSettingsSaveResult {
    TSettingsSaveOutcome Outcome = TSettingsSaveOutcome::ssSaved;
    std::string Reason; // a sentence saying why, empty when saved

    explicit operator bool() const { return Outcome == TSettingsSaveOutcome::ssSaved; }
};

// Rewrites the settings file at Path whole or not at all, keeping anything else it held. A file
// that exists but cannot be read (too large, unreadable, not a regular file) is never replaced,
// since a rewrite would lose its other sections.
TSettingsSaveResult SaveSettingsFile(const std::string& path, const TSettings& settings);
