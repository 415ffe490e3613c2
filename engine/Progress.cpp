#include "engine/Progress.h"

namespace {
constexpr std::int32_t Squares = 81;
}

std::int32_t ProgressPercentage(std::int32_t entries, std::int32_t fillable) {
    if (fillable <= 0) return 100; // nothing left to fill: an all-given board counts as done
    const std::int64_t numerator = std::int64_t{100} * entries;
    std::int64_t quotient = numerator / fillable;
    const std::int64_t twiceRemainder = 2 * (numerator % fillable);
    if (twiceRemainder > fillable || (twiceRemainder == fillable && quotient % 2 != 0)) ++quotient;
    return static_cast<std::int32_t>(quotient);
}

ProgressCounts CountProgress(const TBoard& board) {
    ProgressCounts counts;
    for (std::int32_t c = 1; c <= 9; ++c) {
        for (std::int32_t r = 1; r <= 9; ++r) {
            if (board[c][r].Value == 0) continue;
            if (board[c][r].Given)
                ++counts.Givens;
            else
                ++counts.Entries;
        }
    }
    counts.ToGo = Squares - counts.Givens - counts.Entries;
    counts.Percentage = ProgressPercentage(counts.Entries, Squares - counts.Givens);
    return counts;
}

TVerdict CompletionVerdict(const TBoard& board, const ProgressCounts& counts) {
    if (IsSolved(board)) return TVerdict::vdSolved;
    if (counts.Givens + counts.Entries == Squares) return TVerdict::vdFullButWrong;
    return TVerdict::vdNone;
}
