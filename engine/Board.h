// The board model and the rule checks every other part of the game works on.
// A board is indexed [column 1-9][row 1-9] (index 0 unused), so b[c][r] reads as square (c, r).
// Whole-board loops run columns outer and rows inner: that order decides which square a search
// finds first and the order of squares in the saved-game file.
#pragma once

#include <array>
#include <cstdint>

struct TCell {
    std::int32_t Value = 0; // digit 1-9, 0 = empty
    bool Given = false;     // dealt as part of the puzzle; the player cannot change it

    friend bool operator==(const TCell&, const TCell&) = default;
};

// Column-major: the outer index is the column. Index 0 of either dimension is never used.
using TBoard = std::array<std::array<TCell, 10>, 10>;

// Box number 1-9 (left to right, then top to bottom) of square (c, r), both 1-9.
constexpr std::int32_t BoxOf(std::int32_t c, std::int32_t r) {
    return (c - 1) / 3 + 1 + ((r - 1) / 3) * 3;
}

// Whether square (c0 + 1, r0 + 1), given zero-based, lies in box b.
constexpr bool InBox(std::int32_t c0, std::int32_t r0, std::int32_t b) {
    return (b - 1) % 3 == c0 / 3 && (b - 1) / 3 == r0 / 3;
}

void CopyBoard(const TBoard& source, TBoard& destination);

// Sets Given on every square holding a digit; the flags of empty squares stay as they are.
void MarkGivens(TBoard& board);

bool NotInColumn(const TBoard& board, std::int32_t c, std::int32_t d);
bool NotInRow(const TBoard& board, std::int32_t r, std::int32_t d);

// The nine values are pairwise different, 0 counting as a value: two empty squares repeat.
bool ColumnDistinct(const TBoard& board, std::int32_t c);
bool RowDistinct(const TBoard& board, std::int32_t r);

// Every column and row distinct and no square empty. Boxes are not tested.
bool IsSolved(const TBoard& board);
