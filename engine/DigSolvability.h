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

// 81 squares, numbered (c - 1) * 9 + (r - 1): squares 0-63 in the first word, 64-80 in the
// second. The words form one 128-bit vector, so that each set operation is one instruction.
struct TSquareSet {
    using TWords = std::uint64_t __attribute__((vector_size(16)));
    TWords Words{0, 0};

    static TSquareSet Of(std::int32_t square) {
        TSquareSet set;
        set.Words[square >> 6] = std::uint64_t{1} << (square & 63);
        return set;
    }
    bool Has(std::int32_t square) const { return (Words[square >> 6] >> (square & 63) & 1u) != 0; }
    bool Empty() const { return (Words[0] | Words[1]) == 0; }

    friend TSquareSet operator&(TSquareSet a, TSquareSet b) { return {a.Words & b.Words}; }
    friend TSquareSet operator|(TSquareSet a, TSquareSet b) { return {a.Words | b.Words}; }
    TSquareSet operator~() const { return {~Words}; }
    TSquareSet& operator&=(TSquareSet b) { return *this = *this & b; }
    TSquareSet& operator|=(TSquareSet b) { return *this = *this | b; }
};

class TDigBoard {
  public:
    // From a complete valid grid; false (and nothing usable) for anything else.
    bool LoadGrid(const TBoard& grid);

    // Empties square, which holds digit, and puts it back.
    void Remove(std::int32_t square, std::int32_t digit);
    void Restore(std::int32_t square, std::int32_t digit);

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
