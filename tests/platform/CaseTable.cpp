#include "CaseTable.h"

#include "TestFiles.h"

#include <cstdio>
#include <sstream>

namespace test {

namespace {

std::string Escape(const std::string& text) {
    std::string out;
    for (const unsigned char c : text) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02X", c);
        out += c == '\\'              ? "\\\\"
               : c == '\t'            ? "\\t"
               : c == '\r'            ? "\\r"
               : c == '\n'            ? "\\n"
               : c < 0x20 || c > 0x7E ? hex
                                      : std::string(1, static_cast<char>(c));
    }
    return out;
}

std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\\' || i + 1 == text.size()) {
            out += c;
        } else if (text[++i] == 'x') {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += text[i] == 't' ? '\t' : text[i] == 'r' ? '\r' : text[i] == 'n' ? '\n' : text[i];
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
