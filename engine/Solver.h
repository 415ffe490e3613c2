// The single-candidate search and the solver built on it.
#pragma once

#include "engine/Board.h"
#include "engine/TDigitSet.h"

#include <cstdint>

// A square and a digit: what a search, check or hint reports.
struct TSquareDigit {
    std::int32_t Col = 0;
    std::int32_t Row = 0;
    std::int32_t Digit = 0;

    friend bool operator==(const TSquareDigit&, const TSquareDigit&) = default;
};

// The candidates of empty square (c, r): 1-9 less the values of its column, row and box.
TDigitSet Candidates(const TBoard& board, std::int32_t c, std::int32_t r);

// The first empty square, columns outer and rows inner, with exactly one candidate.
// When none is found, found is left untouched.
bool FindSingle(const TBoard& board, TSquareDigit& found);

// One solving step: finds a single and writes its digit (Given stays clear).
bool PlaceSingle(TBoard& board, TSquareDigit& placed);

// Places singles until none is left. True when the last step placed a digit and the board is then
// solved; a board that is already full answers false at once.
bool SolveBySingles(TBoard& board);

// The same, calling redraw(board, placed) after each placed digit; the window repaints and pauses
// there. The engine itself never waits.
template <class Redraw> bool SolveBySingles(TBoard& board, Redraw&& redraw) {
    TSquareDigit placed;
    while (PlaceSingle(board, placed)) {
        redraw(static_cast<const TBoard&>(board), static_cast<const TSquareDigit&>(placed));
        if (IsSolved(board)) return true;
    }
    return false;
}
