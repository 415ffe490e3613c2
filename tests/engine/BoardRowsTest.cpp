#include "engine/BoardRows.h"

#include "TestBoards.h"

#include <gtest/gtest.h>

TEST(BoardRowsTest, RoundTripAndOrientation) {
    TBoard board{};
    ASSERT_TRUE(ParseBoardRows(PuzzleOneEasyRows, board));
    EXPECT_EQ(board[4][1].Value, 0);
    EXPECT_EQ(board[5][1].Value, 4); // fifth from the left in the top row
    EXPECT_EQ(board[1][4].Value, 7); // leftmost in the fourth row
    EXPECT_EQ(BoardRowsText(board).View(), PuzzleOneEasyRows);
}

TEST(BoardRowsTest, RejectsMalformedTextAndKeepsTheBoard) {
    const TBoard before = SolvedGrid();
    for (std::string_view bad : {"", "172543986",
                                 "172543986/965182734/348967512/783251649/459736128/"
                                 "621498357/234675891/817329465/59681427",
                                 "172543986/965182734/348967512/783251649/459736128/621498357/234675891/"
                                 "817329465/59681427x",
                                 "172543986-965182734/348967512/783251649/459736128/621498357/234675891/"
                                 "817329465/596814273",
                                 "172543986/965182734/348967512/783251649/459736128/621498357/234675891/"
                                 "817329465/096814273"}) {
        TBoard board = before;
        EXPECT_FALSE(ParseBoardRows(bad, board)) << bad;
        EXPECT_EQ(board, before);
    }
}

TEST(BoardRowsTest, OddValuesShowAsQuestionMarks) {
    TBoard board{};
    board[1][1].Value = 12;
    board[2][1].Value = -3;
    EXPECT_EQ(BoardRowsText(board).View().substr(0, 10), "??......./");
}
