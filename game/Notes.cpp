#include "game/Notes.h"

#include "platform/NumberFormat.h"

#include <vector>

namespace {

constexpr std::string_view Header = "Velmora notes 1";

TNoteMarks Bit(std::int32_t digit) {
    return static_cast<TNoteMarks>(1u << (digit - 1));
}

bool IsDigit(std::int32_t digit) {
    return digit >= 1 && digit <= 9;
}

bool SameUnit(std::int32_t c1, std::int32_t r1, std::int32_t c2, std::int32_t r2) {
    return c1 == c2 || r1 == r2 || BoxOf(c1, r1) == BoxOf(c2, r2);
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

} // namespace

bool TNotes::Has(std::int32_t c, std::int32_t r, std::int32_t digit) const {
    return IsDigit(digit) && (At(c, r) & Bit(digit)) != 0;
}

void TNotes::Toggle(std::int32_t c, std::int32_t r, std::int32_t digit) {
    if (IsDigit(digit)) Marks[Index(c, r)] ^= Bit(digit);
}

bool TNotes::Empty() const {
    for (TNoteMarks marks : Marks)
        if (marks != 0) return false;
    return true;
}

void TNotes::RemovePlaced(std::int32_t c, std::int32_t r, std::int32_t digit) {
    Set(c, r, 0);
    if (!IsDigit(digit)) return;
    for (std::int32_t cc = 1; cc <= 9; ++cc)
        for (std::int32_t rr = 1; rr <= 9; ++rr)
            if (SameUnit(c, r, cc, rr)) Marks[Index(cc, rr)] &= static_cast<TNoteMarks>(~Bit(digit));
}

void TNotes::FillCandidates(const TBoard& board) {
    for (std::int32_t c = 1; c <= 9; ++c)
        for (std::int32_t r = 1; r <= 9; ++r)
            Set(c, r, board[c][r].Value == 0 ? CandidatesAt(board, c, r) : 0);
}

TNoteMarks CandidatesAt(const TBoard& board, std::int32_t c, std::int32_t r) {
    TNoteMarks marks = AllNoteMarks;
    for (std::int32_t cc = 1; cc <= 9; ++cc)
        for (std::int32_t rr = 1; rr <= 9; ++rr) {
            const std::int32_t value = board[cc][rr].Value;
            if ((cc != c || rr != r) && IsDigit(value) && SameUnit(c, r, cc, rr))
                marks &= static_cast<TNoteMarks>(~Bit(value));
        }
    return marks;
}

// Lines: header, puzzle number, level, counts flag (1/0), the board's 81 values (column by
// column, as in the saved game), the 81 given flags (Y/N), then nine lines of nine fields, one
// line per column: the square's marked digits in ascending order, or "-" for none.
std::string FormatNotesFile(const TNotesFile& file) {
    std::string text(Header);
    text += "\r\n";
    platform::NumberFormat::AppendInteger(text, file.PuzzleNumber);
    text += "\r\n";
    platform::NumberFormat::AppendInteger(text, file.Level);
    text += "\r\n";
    text += file.CountsForRecords ? "1\r\n" : "0\r\n";
    std::string givens;
    for (std::int32_t c = 1; c <= 9; ++c)
        for (std::int32_t r = 1; r <= 9; ++r) {
            const TCell& cell = file.Board[c][r];
            text += IsDigit(cell.Value) ? static_cast<char>('0' + cell.Value) : '0';
            givens += cell.Given ? 'Y' : 'N';
        }
    text += "\r\n" + givens + "\r\n";
    for (std::int32_t c = 1; c <= 9; ++c) {
        for (std::int32_t r = 1; r <= 9; ++r) {
            if (r > 1) text += ' ';
            const TNoteMarks marks = file.Notes.At(c, r);
            if (marks == 0) text += '-';
            for (std::int32_t d = 1; d <= 9; ++d)
                if (marks & Bit(d)) text += static_cast<char>('0' + d);
        }
        text += "\r\n";
    }
    return text;
}

std::optional<TNotesFile> ParseNotesFile(std::string_view text) {
    std::vector<std::string_view> lines = Lines(text);
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    if (lines.size() != 15 || lines[0] != Header) return std::nullopt;
    TNotesFile file;
    const auto number = platform::NumberFormat::ParseInt32(lines[1]);
    const auto level = platform::NumberFormat::ParseInt32(lines[2]);
    if (!number || !level || *level < 0 || *level > 4) return std::nullopt;
    if (lines[3] != "0" && lines[3] != "1") return std::nullopt;
    if (lines[4].size() != 81 || lines[5].size() != 81) return std::nullopt;
    file.PuzzleNumber = *number;
    file.Level = *level;
    file.CountsForRecords = lines[3] == "1";
    for (std::size_t i = 0; i < 81; ++i) {
        const char value = lines[4][i];
        const char given = lines[5][i];
        if (value < '0' || value > '9' || (given != 'Y' && given != 'N')) return std::nullopt;
        const auto c = static_cast<std::int32_t>(i / 9 + 1);
        const auto r = static_cast<std::int32_t>(i % 9 + 1);
        file.Board[c][r] = {value - '0', given == 'Y'};
    }
    for (std::int32_t c = 1; c <= 9; ++c) {
        std::string_view line = lines[static_cast<std::size_t>(5 + c)];
        for (std::int32_t r = 1; r <= 9; ++r) {
            const std::size_t end = line.find(' ');
            const std::string_view field = line.substr(0, end);
            if (field.empty() || (end == std::string_view::npos) != (r == 9)) return std::nullopt;
            line.remove_prefix(end == std::string_view::npos ? line.size() : end + 1);
            if (field == "-") continue;
            TNoteMarks marks = 0;
            std::int32_t last = 0;
            for (char ch : field) {
                const std::int32_t d = ch - '0';
                if (d <= last || d > 9) return std::nullopt; // digits, ascending, no repeats
                marks |= Bit(d);
                last = d;
            }
            file.Notes.Set(c, r, marks);
        }
    }
    return file;
}
