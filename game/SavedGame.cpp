#include "game/SavedGame.h"

#include "engine/SolutionSearch.h"
#include "platform/NumberFormat.h"

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::size_t MaxNumberChars = 32;

// A reading position in the text with the text-file rules of the format.
class TSavedGameReader {
  public:
    explicit TSavedGameReader(std::string_view text) : Text(text) {}

    // Skips spaces, tabs and line breaks, then reads up to the next space or control character.
    // At the end of the text the number is 0.
    std::optional<std::int32_t> ReadNumber() {
        while (Pos < Text.size() &&
               (Text[Pos] == ' ' || Text[Pos] == '\t' || Text[Pos] == '\r' || Text[Pos] == '\n'))
            ++Pos;
        const std::size_t start = Pos;
        while (Pos < Text.size() && Pos - start < MaxNumberChars && !IsStop(Text[Pos]))
            ++Pos;
        if (Pos == start) return Pos >= Text.size() ? std::optional<std::int32_t>(0) : std::nullopt;
        return platform::NumberFormat::ParseInt32(Text.substr(start, Pos - start));
    }

    // One character; at the end of the text none (which is never the flag "Y").
    std::optional<char> ReadChar() {
        if (Pos >= Text.size()) return std::nullopt;
        return Text[Pos++];
    }

    // Moves past the next line break (CR LF, CR or LF).
    void SkipLine() {
        while (Pos < Text.size() && Text[Pos] != '\r' && Text[Pos] != '\n')
            ++Pos;
        if (Pos < Text.size() && Text[Pos] == '\r') ++Pos;
        if (Pos < Text.size() && Text[Pos] == '\n') ++Pos;
    }

  private:
    static bool IsStop(char c) { return static_cast<unsigned char>(c) <= ' ' || c == '\x7f'; }

    std::string_view Text;
    std::size_t Pos = 0;
};

TSavedGameParse Failure(TSavedGameError error, int line) {
    return {std::nullopt, {}, false, error, line};
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// The digits given so far in each column, row and box, to catch a given that repeats one.
class TGivenDigits {
  public:
    // False when the digit is already given in one of the square's units.
    bool Add(int c, int r, int digit) {
        const std::uint16_t bit = static_cast<std::uint16_t>(1u << digit);
        const int box = BoxOf(c, r) - 1;
        if ((Columns[c - 1] | Rows[r - 1] | Boxes[box]) & bit) return false;
        Columns[c - 1] |= bit;
        Rows[r - 1] |= bit;
        Boxes[box] |= bit;
        return true;
    }

  private:
    std::uint16_t Columns[9]{};
    std::uint16_t Rows[9]{};
    std::uint16_t Boxes[9]{};
};

} // namespace

std::string FormatSavedGame(const TSavedGame& game) {
    std::string text;
    text.reserve(2 * 13 + 81 * 5);
    platform::NumberFormat::AppendInteger(text, game.PuzzleNumber);
    text += LineEnd;
    platform::NumberFormat::AppendInteger(text, game.ElapsedSeconds);
    text += LineEnd;
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            const TCell& cell = game.Board[c][r];
            platform::NumberFormat::AppendInteger(text, cell.Value);
            text += cell.Given ? " Y" : " N";
            text += LineEnd;
        }
    }
    return text;
}

TSavedGameParse ParseSavedGame(std::string_view text) {
    if (IsBlank(text)) return Failure(TSavedGameError::sgEmpty, 1);
    TSavedGameReader reader(text);
    TSavedGame game;

    const auto number = reader.ReadNumber();
    if (!number) return Failure(TSavedGameError::sgBadNumber, 1);
    game.PuzzleNumber = *number;
    reader.SkipLine();

    const auto elapsed = reader.ReadNumber();
    if (!elapsed) return Failure(TSavedGameError::sgBadNumber, 2);
    if (*elapsed < 0) return Failure(TSavedGameError::sgNegativeTime, 2);
    game.ElapsedSeconds = *elapsed;
    reader.SkipLine();

    int line = 3;
    TGivenDigits givens;
    TBoard solution{};
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r, ++line) {
            const auto value = reader.ReadNumber();
            if (!value) return Failure(TSavedGameError::sgBadNumber, line);
            if (*value < 0 || *value > 9) return Failure(TSavedGameError::sgValueOutOfRange, line);
            reader.ReadChar(); // the separator, whatever it is
            const bool given = reader.ReadChar() == 'Y';
            if (given && *value == 0) return Failure(TSavedGameError::sgEmptyGiven, line);
            if (given && !givens.Add(c, r, *value)) return Failure(TSavedGameError::sgGivensClash, line);
            game.Board[c][r] = {*value, given};
            if (given) solution[c][r].Value = *value;
            reader.SkipLine();
        }
    }
    // The file keeps no solution: it is worked out from the givens, so that Check and Hint judge
    // the player's digits by it.
    const bool found = TSolutionSearch().Solve(solution);
    return {game, solution, found, TSavedGameError::sgNone, 0};
}
