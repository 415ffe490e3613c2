// The player's pencil marks: for each square a set of candidate digits. They are kept apart from
// the board so the saved-game file stays as it is; a companion file beside it carries them.
#pragma once

#include "engine/Board.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Bit d - 1 stands for digit d.
using TNoteMarks = std::uint16_t;
inline constexpr TNoteMarks AllNoteMarks = 0x1FF;

class TNotes {
  public:
    TNoteMarks At(std::int32_t c, std::int32_t r) const { return Marks[Index(c, r)]; }
    bool Has(std::int32_t c, std::int32_t r, std::int32_t digit) const;
    void Set(std::int32_t c, std::int32_t r, TNoteMarks marks) { Marks[Index(c, r)] = marks & AllNoteMarks; }
    void Toggle(std::int32_t c, std::int32_t r, std::int32_t digit);
    void Clear() { Marks.fill(0); }
    bool Empty() const;

    // A digit placed at (c, r): the square's own marks go, and Digit leaves the marks of every
    // square sharing its row, column or box.
    void RemovePlaced(std::int32_t c, std::int32_t r, std::int32_t digit);

    // Every empty square of Board gets exactly the digits its row, column and box still allow;
    // filled squares lose their marks.
    void FillCandidates(const TBoard& board);

    friend bool operator==(const TNotes&, const TNotes&) = default;

  private:
    // Squares 1-9 map to 0-80 column by column; the callers keep to 1-9.
    static std::size_t Index(std::int32_t c, std::int32_t r) {
        return static_cast<std::size_t>((c - 1) * 9 + (r - 1));
    }
    std::array<TNoteMarks, 81> Marks{};
};

// The digits Board still allows at (c, r), ignoring the square's own value.
TNoteMarks CandidatesAt(const TBoard& board, std::int32_t c, std::int32_t r);

// The companion file: the game it belongs to (puzzle number and the board exactly as saved), the
// level the game was dealt at (0 unknown), whether the game still counts for the best times, and
// the notes. A companion whose game differs from the loaded one is not used.
struct TNotesFile {
    std::int32_t PuzzleNumber = 0;
    TBoard Board{};
    std::int32_t Level = 0;
    bool CountsForRecords = false;
    TNotes Notes;

    friend bool operator==(const TNotesFile&, const TNotesFile&) = default;
};

std::string FormatNotesFile(const TNotesFile& file);
// Nullopt for anything that is not a complete, well-formed companion file.
std::optional<TNotesFile> ParseNotesFile(std::string_view text);
