#include "game/Settings.h"

#include "engine/HoleWindows.h"

#include <cerrno>
#include <sys/stat.h>

namespace {

constexpr std::string_view Section = "options";
constexpr std::string_view SameDigitKey = "HiliteSameDigit";

// Whether anything stands at Path, or may stand there unseen (a folder that cannot be searched).
bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

} // namespace

TSettings ReadSettings(const platform::IniFile& file) {
    const TSettings defaults;
    TSettings s;
    s.HiliteRowAndColumn = file.ReadBool(Section, "HiliteRowAndColumn", defaults.HiliteRowAndColumn);
    s.HiliteCell = file.ReadBool(Section, "HiliteCell", defaults.HiliteCell);
    s.HiliteErrors = file.ReadBool(Section, "HiliteErrors", defaults.HiliteErrors);
    s.UserFont = file.ReadBool(Section, "UserFont", defaults.UserFont);
    s.TimedGame = file.ReadBool(Section, "Timer", defaults.TimedGame);
    s.Difficulty = NormalizeLevel(file.ReadInteger(Section, "Difficulty", defaults.Difficulty));
    s.Current = file.ReadInteger(Section, "Current", defaults.Current);
    s.HiliteSameDigit = file.ReadBool(Section, SameDigitKey, defaults.HiliteSameDigit);
    return s;
}

TSettings ParseSettings(std::string_view text) {
    return ReadSettings(platform::IniFile::Parse(text));
}

void WriteSettings(platform::IniFile& file, const TSettings& s) {
    file.WriteBool(Section, "HiliteRowAndColumn", s.HiliteRowAndColumn);
    file.WriteBool(Section, "HiliteCell", s.HiliteCell);
    file.WriteBool(Section, "HiliteErrors", s.HiliteErrors);
    file.WriteBool(Section, "UserFont", s.UserFont);
    file.WriteBool(Section, "Timer", s.TimedGame);
    file.WriteInteger(Section, "Difficulty", s.Difficulty);
    file.WriteInteger(Section, "Current", s.Current);
    if (!s.HiliteSameDigit || file.ReadValue(Section, SameDigitKey))
        file.WriteBool(Section, SameDigitKey, s.HiliteSameDigit);
}

TSettings LoadSettingsFile(const std::string& path) {
    return ReadSettings(platform::IniFile::Load(path));
}

TSettingsSaveResult SaveSettingsFile(const std::string& path, const TSettings& settings) {
    platform::IniFile file;
    if (const platform::FileResult read = file.LoadFromFile(path); !read && Exists(path))
        return {TSettingsSaveOutcome::ssUnreadableKept,
                "the settings were not saved: " + read.Error + "; the file is left as it was"};
    WriteSettings(file, settings);
    if (const platform::FileResult saved = file.Save(path); !saved)
        return {TSettingsSaveOutcome::ssWriteFailed, saved.Error};
    return {};
}
