// The settings file on arbitrary bytes. Reading never fails (bad values give defaults, a bad level
// gives 2); writing the settings back into the same file and reading again gives the same
// settings, keeps the file's other lines, and a second write changes nothing.
#include "fuzz/FuzzTarget.h"
#include "game/Settings.h"
#include "platform/IniFile.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TSettings settings = ParseSettings(text);
    FuzzCheck(settings.Difficulty >= 1 && settings.Difficulty <= 4, "the level is 1-4 after reading");

    platform::IniFile file = platform::IniFile::Parse(text);
    WriteSettings(file, settings);
    const std::string written = file.Text();
    FuzzCheck(ParseSettings(written) == settings, "written settings read back unchanged");

    platform::IniFile again = platform::IniFile::Parse(written);
    WriteSettings(again, settings);
    FuzzCheck(again.Text() == written, "writing the same settings twice changes nothing");

    // Whatever else the file held reads the same after the write.
    const platform::IniFile original = platform::IniFile::Parse(text);
    const platform::IniFile rewritten = platform::IniFile::Parse(written);
    for (std::string_view key : {"Other", "Name", "x"})
        FuzzCheck(original.ReadValue("misc", key) == rewritten.ReadValue("misc", key),
                  "other sections survive a write");

    // A fresh file with the settings alone reads back the same.
    platform::IniFile fresh;
    WriteSettings(fresh, settings);
    FuzzCheck(ParseSettings(fresh.Text()) == settings, "a new settings file reads back");
    return 0;
}
