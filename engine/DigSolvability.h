// The solvability test of the dig, for a puzzle that is always part of one valid solution grid.
//
// The dig empties squares of a complete grid one at a time and asks after each removal whether
// single candidates still finish the puzzle. For such a puzzle the answer has a shortcut: every
// placed digit is the grid's own digit, so a square's own digit always stays a candidate, no
// square ever runs out of candidates and no two singles ever clash. Then the set of squares that
// singles fill is the same in whatever order they are placed, and all singles found in one sweep
// can be placed at once. Each digit keeps the squares it sees as one 81-bit set, so a sweep is a
// few dozen word operations instead of a candidate mask per empty square.
#pragma once

#include "engine/Board.h"

#include <array>
#include <cstdint>

// 81 squares, numbered (c - 1) * 9 + (r - 1), as two words.
struct TSquareSet {
    std::uint64_t Low = 0;  // squares 0-63
    std::uint64_t High = 0; // squares 64-80

    static TSquareSet Of(std::int32_t square) {
        return square < 64 ? TSquareSet{std::uint64_t{1} << square, 0}
                           : TSquareSet{0, std::uint64_t{1} << (square - 64)};
    }
    bool Has(std::int32_t square) const {
        return square < 64 ? (Low >> square & 1u) != 0 : (High >> (square - 64) & 1u) != 0;
    }
    bool Empty() const { return (Low | High) == 0; }

    friend TSquareSet operator&(TSquareSet a, TSquareSet b) { return {a.Low & b.Low, a.High & b.High}; }
    friend TSquareSet operator|(TSquareSet a, TSquareSet b) { return {a.Low | b.Low, a.High | b.High}; }
    TSquareSet operator~() const { return {~Low, ~High}; }
    TSquareSet& operator&=(TSquareSet b) { return *this = *this & b; }
    TSquareSet& operator|=(TSquareSet b) { return *this = *this | b; }
};

class TDigBoard {
public:
    // From a complete valid grid; false (and nothing usable) for anything else.
    bool LoadGrid(const TBoard& grid);

    // Empties square, which holds digit.
    void Remove(std::int32_t square, std::int32_t digit);

    // Would single candidates fill every square again? Answers for this board as it stands and
    // leaves it unchanged. Because each removal starts from a puzzle that singles finish, it is
    // enough to ask whether they fill the square removed last.
    bool RefillsBySingles(std::int32_t square) const;

private:
    std::array<TSquareSet, 10> Holding{}; // per digit 1-9, the squares holding it
    std::array<TSquareSet, 10> Seeing{};  // per digit, the squares in a row, column or box holding it
    TSquareSet Open{};                    // the empty squares

    void ComputeSeeing(std::int32_t digit);
};
