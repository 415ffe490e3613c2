#include "TestBoards.h"

#include "engine/BoardRows.h"

#include <gtest/gtest.h>

TBoard BoardFromRows(std::string_view rows) {
    TBoard board{};
    EXPECT_TRUE(ParseBoardRows(rows, board)) << rows;
    return board;
}

TBoard SolvedGrid() {
    return BoardFromRows(SolvedGridRows);
}

TBoard LatinSquareWithBadBoxes() {
    TBoard board{};
    for (std::int32_t c = 1; c <= 9; ++c)
        for (std::int32_t r = 1; r <= 9; ++r)
            board[c][r].Value = (c + r - 2) % 9 + 1;
    return board;
}
