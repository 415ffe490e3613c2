#include "engine/Board.h"
#include "engine/BoardRows.h"
#include "engine/TDigitSet.h"
#include "engine/TGameState.h"

#include "TestBoards.h"

#include <gtest/gtest.h>

#include <string>

// Rows text read and written: the orientation, malformed text that leaves the board as it was, and
// values that are no digit, which show as question marks.
TEST(BoardRowsTest, RoundTripOrientationMalformedTextAndNonDigits) {
    TBoard board{};
    ASSERT_TRUE(ParseBoardRows(PuzzleOneEasyRows, board));
    EXPECT_EQ(board[5][1].Value, 4); // fifth from the left in the top row
    EXPECT_EQ(board[1][4].Value, 7); // leftmost in the fourth row
    EXPECT_EQ(BoardRowsText(board).View(), PuzzleOneEasyRows);
    const std::string grid(SolvedGridRows);
    for (const std::string& bad :
         {std::string(), grid.substr(0, 9), grid.substr(0, 88), std::string(grid).replace(88, 1, "x"),
          std::string(grid).replace(9, 1, "-"), std::string(grid).replace(80, 1, "0")}) {
        TBoard kept = board;
        EXPECT_FALSE(ParseBoardRows(bad, kept)) << bad;
        EXPECT_EQ(kept, board);
    }
    board[1][1].Value = 12;
    board[2][1].Value = -3;
    EXPECT_EQ(BoardRowsText(board).View().substr(0, 10), "??2.43.../");
}

TEST(BoardTest, BoxOfAndInBox) {
    EXPECT_EQ(BoxOf(9, 1), 3);
    EXPECT_EQ(BoxOf(1, 9), 7);
    EXPECT_EQ(BoxOf(4, 1), 2);
    // InBox (zero-based) and BoxOf agree on every square and box.
    for (std::int32_t c = 1; c <= 9; ++c)
        for (std::int32_t r = 1; r <= 9; ++r)
            for (std::int32_t b = 1; b <= 9; ++b)
                EXPECT_EQ(InBox(c - 1, r - 1, b), BoxOf(c, r) == b);
}

TEST(BoardTest, DistinctnessCountsZeroAsAValue) {
    TBoard board{};
    for (std::int32_t i = 1; i <= 8; ++i)
        board[9][i].Value = board[i][9].Value = i; // 1-8 and the empty square (9, 9) in column and row 9
    EXPECT_TRUE(ColumnDistinct(board, 9));
    EXPECT_TRUE(RowDistinct(board, 9));
    board[9][8].Value = 0; // now two empty squares
    board[1][9].Value = 2;
    EXPECT_FALSE(ColumnDistinct(board, 9));
    EXPECT_FALSE(RowDistinct(board, 9));
    // A repeated value above 9 is a repeat too; the set only ignores values above 255.
    TBoard odd = SolvedGrid();
    odd[1][1].Value = odd[1][2].Value = 12;
    EXPECT_FALSE(ColumnDistinct(odd, 1));
    odd[1][1].Value = odd[1][2].Value = 300;
    EXPECT_TRUE(ColumnDistinct(odd, 1));
}

TEST(BoardTest, NotInColumnAndRowLookAtTheRightLine) {
    TBoard board{};
    board[2][7].Value = 5; // column 2, row 7
    EXPECT_FALSE(NotInColumn(board, 2, 5) || NotInRow(board, 7, 5));
    EXPECT_TRUE(NotInColumn(board, 7, 5) && NotInRow(board, 2, 5) && NotInColumn(board, 2, 4));
}

TEST(BoardTest, IsSolvedTestsLinesAndEmptiesButNotBoxes) {
    TBoard holed = SolvedGrid(), swapped = SolvedGrid();
    holed[6][4].Value = 0;
    std::swap(swapped[1][1].Value, swapped[2][1].Value); // two squares of a row swapped: columns repeat
    EXPECT_TRUE(IsSolved(SolvedGrid()) && IsSolved(LatinSquareWithBadBoxes()));
    EXPECT_FALSE(IsSolved(TBoard{}) || IsSolved(holed) || IsSolved(swapped));
}

TEST(BoardTest, MarkGivensAndClearSolution) {
    TGameState state;
    state.Board = SolvedGrid();
    state.Board[4][4] = {0, true}; // an empty square keeps a set flag
    MarkGivens(state.Board);
    EXPECT_EQ(state.Board[4][4], (TCell{0, true}));
    state.Solution = state.Board;
    ClearSolution(state);
    EXPECT_EQ(state.Solution, TBoard{});
    EXPECT_EQ(state.Board[5][5], (TCell{SolvedGrid()[5][5].Value, true})) << "only Solution is cleared";
}

TEST(DigitSetTest, MembershipAndCounts) {
    const TDigitSet all = TDigitSet::AllDigits();
    EXPECT_EQ(all.Word(0), 1022u); // 1-9
    EXPECT_EQ(CountDigits(all), 9);
    EXPECT_EQ(FirstDigit(all), 1);
    EXPECT_EQ(FirstDigit(TDigitSet{}), 10);

    TDigitSet set;
    for (std::int32_t value : {0, 7, 10, 255, 256, -1}) // the last two are ignored
        set.Include(value);
    EXPECT_EQ(CountDigits(set), 1) << "0 and values above 9 are no digits";
    EXPECT_EQ(FirstDigit(set), 7);
    EXPECT_TRUE(set.Contains(255) && !set.Contains(256) && !set.Contains(-1));
    for (std::int32_t value : {7, 255, 1000})
        set.Exclude(value);
    EXPECT_EQ(FirstDigit(set), 10);
    EXPECT_FALSE(set.Contains(255));
}
