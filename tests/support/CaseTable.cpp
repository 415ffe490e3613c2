#include "CaseTable.h"

#include "TestFiles.h"

#include <sstream>
#include <string_view>

namespace test {

namespace {

// The escape letters and the bytes they stand for.
constexpr std::string_view Letters = "\\trn", Bytes = "\\\t\r\n";

std::string Escape(const std::string& text) {
    constexpr std::string_view Hex = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (const std::size_t named = Bytes.find(c); named != std::string_view::npos)
            out += {'\\', Letters[named]};
        else if (byte < 0x20 || byte > 0x7E)
            out += {'\\', 'x', Hex[byte >> 4], Hex[byte & 15]};
        else
            out += c;
    }
    return out;
}

std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t named =
            text[i] == '\\' ? Letters.find(text.c_str()[i + 1]) : std::string_view::npos;
        if (text.compare(i, 2, "\\x") == 0) {
            out += static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else if (named != std::string_view::npos) {
            out += Bytes[named];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

::testing::AssertionResult
MatchesCaseTable(const std::string& path,
                 const std::function<std::string(const std::string& input)>& output) {
    std::istringstream golden(ReadWholeFile(path));
    std::string table, firstDifference;
    for (std::string line, row; std::getline(golden, line); table += row + "\n") {
        row = line;
        if (!line.empty() && line[0] != '#') {
            const std::string input = Unescape(line.substr(0, line.find('\t')));
            row = Escape(input) + "\t" + Escape(output(input));
        }
        if (row != line && firstDifference.empty()) firstDifference = "\nfirst difference: " + row;
    }
    return MatchesGoldenFile(table, path) << firstDifference;
}

} // namespace test
