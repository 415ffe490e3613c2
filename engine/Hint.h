// The check of the player's digits against the solution, and the hint.
#pragma once

#include "engine/Board.h"
#include "engine/Solver.h"

// True when every digit on board equals Solution's. Otherwise false, with wrong set to the
// topmost wrong square of the rightmost column that has one.
bool CheckEntries(const TBoard& board, const TBoard& solution, TSquareDigit& wrong);

enum class THintKind {
    hkNothingToDo, // the board is solved
    hkWrongEntry,  // Square holds a digit that does not belong there; the board is unchanged
    hkSingle,      // Square's only candidate has been written into the board
    hkNoCandidate, // no square has a single candidate; nothing written, nothing to mark
};

struct HintResult {
    THintKind Kind = THintKind::hkNothingToDo;
    TSquareDigit Square; // for hkWrongEntry and hkSingle: the square to mark and its digit
};

// The hint: writes a found single into board.
HintResult GiveHint(TBoard& board, const TBoard& solution);
