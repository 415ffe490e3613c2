// A fast answer to "would SolveBySingles solve this board?", for the generator, which asks it
// hundreds of times per puzzle. It answers exactly what SolveBySingles answers on a copy.
//
// Why the order of placements does not matter: candidates only shrink as digits are placed, a placed
// digit never repeats one in its row, column or box, and a square with no candidate stays so.
// If one order completes the board, every single any other order finds is the completed board's
// digit, and every square that is single at some point stays single until filled; so every order
// completes it. This lets us place singles in any order and stop at the first dead square.
#pragma once

#include "engine/Board.h"

#include <array>
#include <cstdint>

bool SolvableBySingles(const TBoard& board);

// The digits present per unit and the empty squares of a board holding only 0-9, in the compact
// form the fast test works on. Squares are numbered (c - 1) * 9 + (r - 1).
class TSinglesBoard {
public:
    // False when the board holds a value outside 0-9 (the fast test does not model those).
    bool Load(const TBoard& board);

    // Squares still empty; kept in column-major order only until Solve runs.
    std::int32_t EmptyCount() const { return Empties; }

    // True when some row or column repeats a digit 1-9: such a board can never be solved.
    bool HasRepeatInLine() const { return RepeatInLine; }

    // Full, with every row, column and box holding 1-9 once.
    bool IsCompleteValidGrid() const { return Empties == 0 && !RepeatInLine && !RepeatInBox; }

    void Place(std::int32_t square, std::int32_t digit);
    void Remove(std::int32_t square, std::int32_t digit);
    std::uint32_t CandidateMask(std::int32_t square) const; // bit d set for candidate d

    // Places singles until none is left; true when every square got filled. With stopSquare >= 0,
    // answers true as soon as that square is filled. Consumes the board's state.
    bool FillBySingles(std::int32_t stopSquare = -1);

private:
    std::array<std::uint16_t, 9> RowMask{};
    std::array<std::uint16_t, 9> ColMask{};
    std::array<std::uint16_t, 9> BoxMask{};
    std::array<std::uint8_t, 81> EmptySquares{};
    std::int32_t Empties = 0;
    bool RepeatInLine = false;
    bool RepeatInBox = false;
};
