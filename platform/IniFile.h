// The settings file: "[section]" lines followed by "key=value" lines, read and written with the
// rules the game's settings have always followed.
//
// Reading rules:
// - Section and key names match without regard to ASCII case; surrounding blanks (spaces, tabs)
//   of names and values are ignored. When a section or key appears twice, the first one counts.
// - ReadInteger: a missing file, section or key, an empty value, or a value that is not a valid
//   integer gives the default. A value longer than two characters that starts with "0x" or "0X"
//   is hexadecimal: 1 to 8 hex digits after the prefix, read as a 32-bit pattern (so
//   "0xFFFFFFFF" is -1). Any other value must be a decimal integer in the 32-bit signed range
//   with an optional "+" or "-" sign and nothing else ("12abc", "1.5", "", "0x" and "99999999999"
//   all give the default).
// - ReadBool: the integer rule, then true exactly when the integer is not 0.
// Writing keeps every other section, key, comment and unrecognised line as it was. A new key
// goes after the last key of its section; a new section goes at the end. Booleans are written
// "1" or "0". Lines end with CR LF, LF or a lone CR alike. Lines end with CR LF in a new file; a
// loaded file keeps each line's own break (new lines take its first kind of break), and a
// UTF-8 byte order mark an editor put at its start is skipped on reading and kept on writing.
#pragma once

#include "platform/SafeFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class IniFile {
  public:
    IniFile() = default;

    // Reads Path. A missing, unreadable or oversized file gives an empty IniFile (every read then
    // gives its default); use LoadFromFile to learn why.
    static IniFile Load(const std::string& path);
    static IniFile Parse(std::string_view text);

    // Replaces the contents with the file's. On failure the contents are empty and the result
    // says why ("... does not exist" for a missing file).
    FileResult LoadFromFile(const std::string& path);

    std::optional<std::string> ReadValue(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Throw std::invalid_argument when a name or value could not be stored on one line
    // (line breaks, "=" or a leading "[" in a key, "]" in a section name) or a name is empty.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // The file's text as it would be saved.
    std::string Text() const;

    // Writes the whole file through SafeFile: either the new file is complete or the old one is
    // untouched; the result carries the reason of a failure.
    FileResult Save(const std::string& path) const;

    // Far above any real settings file; a larger file is refused rather than read.
    static constexpr std::size_t MaxFileSize = std::size_t{64} << 10; // 64 KiB

    // The integer rule above, on a raw value; nullopt when the value is not a valid integer.
    static std::optional<std::int32_t> ParseInteger(std::string_view value);

  private:
    struct Line {
        std::string Text;
        std::string End = {}; // the line's own break as loaded; empty: LineEnd
    };
    std::vector<Line> Lines;
    std::string LineEnd = "\r\n";
    bool ByteOrderMark = false;

    std::optional<std::size_t> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(std::size_t sectionLine, std::string_view key) const;
};

} // namespace platform
