#include "game/Settings.h"

#include "engine/HoleWindows.h"

namespace {

constexpr std::string_view Section = "options";
constexpr std::string_view SameDigitKey = "HiliteSameDigit";

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

platform::FileResult SaveSettingsFile(const std::string& path, const TSettings& settings) {
    platform::IniFile file = platform::IniFile::Load(path);
    WriteSettings(file, settings);
    return file.Save(path);
}
