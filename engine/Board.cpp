#include "engine/Board.h"

#include "engine/TDigitSet.h"

void CopyBoard(const TBoard& source, TBoard& destination) {
    destination = source;
}

void MarkGivens(TBoard& board) {
    for (std::int32_t c = 1; c <= 9; ++c)
        for (std::int32_t r = 1; r <= 9; ++r)
            if (board[c][r].Value > 0) board[c][r].Given = true;
}

bool NotInColumn(const TBoard& board, std::int32_t c, std::int32_t d) {
    for (std::int32_t r = 1; r <= 9; ++r)
        if (board[c][r].Value == d) return false;
    return true;
}

bool NotInRow(const TBoard& board, std::int32_t r, std::int32_t d) {
    for (std::int32_t c = 1; c <= 9; ++c)
        if (board[c][r].Value == d) return false;
    return true;
}

bool ColumnDistinct(const TBoard& board, std::int32_t c) {
    TDigitSet seen;
    for (std::int32_t r = 1; r <= 9; ++r) {
        if (seen.Contains(board[c][r].Value)) return false;
        seen.Include(board[c][r].Value);
    }
    return true;
}

bool RowDistinct(const TBoard& board, std::int32_t r) {
    TDigitSet seen;
    for (std::int32_t c = 1; c <= 9; ++c) {
        if (seen.Contains(board[c][r].Value)) return false;
        seen.Include(board[c][r].Value);
    }
    return true;
}

static bool HasEmptySquare(const TBoard& board) {
    for (std::int32_t c = 1; c <= 9; ++c)
        for (std::int32_t r = 1; r <= 9; ++r)
            if (board[c][r].Value == 0) return true;
    return false;
}

bool IsSolved(const TBoard& board) {
    for (std::int32_t c = 1; c <= 9; ++c)
        if (!ColumnDistinct(board, c)) return false;
    for (std::int32_t r = 1; r <= 9; ++r)
        if (!RowDistinct(board, r)) return false;
    return !HasEmptySquare(board);
}
