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
    return BoardFromRows(
        "123456789/234567891/345678912/456789123/567891234/678912345/789123456/891234567/912345678");
}
