#include "engine/Hint.h"

bool CheckEntries(const TBoard& board, const TBoard& solution, TSquareDigit& wrong) {
    bool allCorrect = true;
    for (std::int32_t c = 1; c <= 9; ++c) {
        for (std::int32_t r = 1; r <= 9; ++r) {
            const std::int32_t value = board[c][r].Value;
            if (value > 0 && value != solution[c][r].Value) {
                wrong = {c, r, value};
                allCorrect = false;
                break; // on to the next column: the last column with a wrong square wins
            }
        }
    }
    return allCorrect;
}

HintResult GiveHint(TBoard& board, const TBoard& solution) {
    HintResult result;
    if (IsSolved(board)) return result;
    if (!CheckEntries(board, solution, result.Square)) {
        result.Kind = THintKind::hkWrongEntry;
        return result;
    }
    if (PlaceSingle(board, result.Square)) {
        result.Kind = THintKind::hkSingle;
        return result;
    }
    result.Kind = THintKind::hkNoCandidate;
    return result;
}
