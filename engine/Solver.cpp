#include "engine/Solver.h"

TDigitSet Candidates(const TBoard& board, std::int32_t c, std::int32_t r) {
    TDigitSet candidates = TDigitSet::AllDigits();
    for (std::int32_t i = 1; i <= 9; ++i)
        candidates.Exclude(board[c][i].Value);
    for (std::int32_t i = 1; i <= 9; ++i)
        candidates.Exclude(board[i][r].Value);
    const std::int32_t left = (c - 1) / 3 * 3 + 1, top = (r - 1) / 3 * 3 + 1;
    for (std::int32_t bc = left; bc < left + 3; ++bc)
        for (std::int32_t br = top; br < top + 3; ++br)
            candidates.Exclude(board[bc][br].Value);
    return candidates;
}

bool FindSingle(const TBoard& board, TSquareDigit& found) {
    for (std::int32_t c = 1; c <= 9; ++c) {
        for (std::int32_t r = 1; r <= 9; ++r) {
            if (board[c][r].Value != 0) continue;
            const TDigitSet candidates = Candidates(board, c, r);
            if (CountDigits(candidates) == 1) {
                found = {c, r, FirstDigit(candidates)};
                return true;
            }
        }
    }
    return false;
}

bool PlaceSingle(TBoard& board, TSquareDigit& placed) {
    if (!FindSingle(board, placed)) return false;
    board[placed.Col][placed.Row].Value = placed.Digit;
    return true;
}

bool SolveBySingles(TBoard& board) {
    return SolveBySingles(board, [](const TBoard&, const TSquareDigit&) {});
}
