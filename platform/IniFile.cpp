#include "platform/IniFile.h"

#include "platform/NumberFormat.h"

#include <stdexcept>

namespace platform {

namespace {

std::string_view Trim(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The section name of a "[name]" line, or nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

struct KeyLine {
    std::string_view Key;
    std::string_view Value;
};

// The key and value of a "key=value" line; comments, headers and lines without a key give nullopt.
std::optional<KeyLine> SplitKeyLine(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return std::nullopt;
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view key = Trim(trimmed.substr(0, equals));
    if (key.empty()) return std::nullopt;
    return KeyLine{key, Trim(trimmed.substr(equals + 1))};
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

void CheckNames(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view trimmedSection = Trim(section);
    const std::string_view trimmedKey = Trim(key);
    if (trimmedSection.empty() || HasLineBreak(section) || section.find(']') != std::string_view::npos)
        throw std::invalid_argument("ini section name \"" + std::string(section) + "\" cannot be stored");
    if (trimmedKey.empty() || HasLineBreak(key) || key.find('=') != std::string_view::npos ||
        trimmedKey.front() == '[' || trimmedKey.front() == ';')
        throw std::invalid_argument("ini key \"" + std::string(key) + "\" cannot be stored");
    if (HasLineBreak(value))
        throw std::invalid_argument("the value of ini key \"" + std::string(key) + "\" holds a line break");
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

IniFile IniFile::Parse(std::string_view text) {
    IniFile ini;
    constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
    if (text.starts_with(Utf8Mark)) {
        ini.ByteOrderMark = true;
        text.remove_prefix(Utf8Mark.size());
    }
    // CR LF, LF and a lone CR all end a line; each line keeps its own break, so a file with mixed
    // breaks is written back as it was, and new lines take the file's first kind of break.
    bool firstBreak = true;
    while (!text.empty()) {
        const std::size_t at = text.find_first_of("\r\n");
        std::string_view lineEnd;
        if (at != std::string_view::npos)
            lineEnd = text.substr(at, text[at] == '\r' && text.substr(at + 1).starts_with('\n') ? 2 : 1);
        ini.Lines.push_back(Line{std::string(text.substr(0, at)), std::string(lineEnd)});
        if (at == std::string_view::npos) break;
        if (firstBreak) ini.LineEnd = lineEnd;
        firstBreak = false;
        text.remove_prefix(at + lineEnd.size());
    }
    return ini;
}

FileResult IniFile::LoadFromFile(const std::string& path) {
    std::string text;
    FileResult result = SafeFile::ReadAll(path, text, MaxFileSize);
    *this = result ? Parse(text) : IniFile();
    return result;
}

IniFile IniFile::Load(const std::string& path) {
    IniFile ini;
    ini.LoadFromFile(path);
    return ini;
}

std::optional<std::size_t> IniFile::FindSection(std::string_view section) const {
    section = Trim(section);
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        const auto name = SectionName(Lines[i].Text);
        if (name && EqualsIgnoringCase(*name, section)) return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> IniFile::FindKey(std::size_t sectionLine, std::string_view key) const {
    key = Trim(key);
    for (std::size_t i = sectionLine + 1; i < Lines.size(); ++i) {
        if (SectionName(Lines[i].Text)) break;
        const auto entry = SplitKeyLine(Lines[i].Text);
        if (entry && EqualsIgnoringCase(entry->Key, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::ReadValue(std::string_view section, std::string_view key) const {
    const auto sectionLine = FindSection(section);
    if (!sectionLine) return std::nullopt;
    const auto keyLine = FindKey(*sectionLine, key);
    if (!keyLine) return std::nullopt;
    return std::string(SplitKeyLine(Lines[*keyLine].Text)->Value);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    auto value = ReadValue(section, key);
    return value ? std::move(*value) : std::string(defaultValue);
}

std::optional<std::int32_t> IniFile::ParseInteger(std::string_view value) {
    value = Trim(value);
    if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
        std::string_view digits = value.substr(2);
        while (digits.size() > 1 && digits.front() == '0')
            digits.remove_prefix(1);
        if (digits.size() > 8) return std::nullopt;
        std::uint32_t bits = 0;
        for (const char c : digits) {
            const int digit = HexDigit(c);
            if (digit < 0) return std::nullopt;
            bits = bits * 16 + static_cast<std::uint32_t>(digit);
        }
        return static_cast<std::int32_t>(bits);
    }
    return NumberFormat::ParseInt32(value);
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                                  std::int32_t defaultValue) const {
    const auto value = ReadValue(section, key);
    if (!value) return defaultValue;
    return ParseInteger(*value).value_or(defaultValue);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    CheckNames(section, key, value);
    std::string line = std::string(Trim(key)) + "=" + std::string(value);
    const auto sectionLine = FindSection(section);
    if (!sectionLine) {
        Lines.push_back(Line{"[" + std::string(Trim(section)) + "]"});
        Lines.push_back(Line{std::move(line)});
        return;
    }
    if (const auto keyLine = FindKey(*sectionLine, key)) {
        Lines[*keyLine].Text = std::move(line);
        return;
    }
    // After the section's last key, so that blank lines and comments before the next section stay there.
    std::size_t insertAt = *sectionLine + 1;
    for (std::size_t i = *sectionLine + 1; i < Lines.size() && !SectionName(Lines[i].Text); ++i)
        if (SplitKeyLine(Lines[i].Text)) insertAt = i + 1;
    Lines.insert(Lines.begin() + static_cast<std::ptrdiff_t>(insertAt), Line{std::move(line)});
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, NumberFormat::Integer(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

std::string IniFile::Text() const {
    std::string text = ByteOrderMark ? "\xEF\xBB\xBF" : "";
    for (const Line& line : Lines) {
        text += line.Text;
        text += line.End.empty() ? LineEnd : line.End;
    }
    return text;
}

FileResult IniFile::Save(const std::string& path) const {
    return SafeFile::WriteAll(path, Text());
}

} // namespace platform
