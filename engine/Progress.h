// The counts shown after every entry, and the verdict on a full board.
#pragma once

#include "engine/Board.h"

#include <cstdint>

struct ProgressCounts {
    std::int32_t Givens = 0;     // squares holding a digit with Given set
    std::int32_t Entries = 0;    // squares holding a digit without Given
    std::int32_t ToGo = 0;       // 81 - Givens - Entries
    std::int32_t Percentage = 0; // of the fillable squares filled, half to even; 100 when none is fillable
};

ProgressCounts CountProgress(const TBoard& board);

// 100 * entries / fillable in exact integer arithmetic, an exact half going to the even neighbour.
std::int32_t ProgressPercentage(std::int32_t entries, std::int32_t fillable);

enum class TVerdict {
    vdNone,         // the board is not full
    vdSolved,       // the puzzle is complete
    vdFullButWrong, // full, but a row or column repeats a digit
};

TVerdict CompletionVerdict(const TBoard& board, const ProgressCounts& counts);
