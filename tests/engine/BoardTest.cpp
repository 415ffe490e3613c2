#include "engine/Board.h"
#include "engine/TDigitSet.h"
#include "engine/TGameState.h"

#include "TestBoards.h"

#include <gtest/gtest.h>

TEST(BoardTest, IndexIsColumnThenRow) {
    // Row 1 of the grid reads 172543986 left to right: b[c][1] runs along it.
    const TBoard grid = SolvedGrid();
    EXPECT_EQ(grid[2][1].Value, 7);
    EXPECT_EQ(grid[1][2].Value, 9);
    EXPECT_EQ(grid[9][1].Value, 6);
    EXPECT_EQ(grid[1][9].Value, 5);
}

TEST(BoardTest, BoxOfAndInBox) {
    EXPECT_EQ(BoxOf(9, 1), 3);
    EXPECT_EQ(BoxOf(1, 9), 7);
    EXPECT_EQ(BoxOf(5, 5), 5);
    EXPECT_EQ(BoxOf(4, 1), 2);
    EXPECT_TRUE(InBox(0, 0, 1));
    EXPECT_TRUE(InBox(8, 0, 3));
    EXPECT_TRUE(InBox(0, 8, 7));
    EXPECT_TRUE(InBox(4, 4, 5));
    EXPECT_FALSE(InBox(3, 0, 1));
    EXPECT_FALSE(InBox(0, 3, 1));
    // InBox and BoxOf agree on every square and box.
    for (std::int32_t c = 1; c <= 9; ++c)
        for (std::int32_t r = 1; r <= 9; ++r)
            for (std::int32_t b = 1; b <= 9; ++b)
                EXPECT_EQ(InBox(c - 1, r - 1, b), BoxOf(c, r) == b);
}

TEST(BoardTest, DistinctnessCountsZeroAsAValue) {
    TBoard board{};
    for (std::int32_t r = 1; r <= 8; ++r)
        board[3][r].Value = r; // 1-8 and one empty square
    EXPECT_TRUE(ColumnDistinct(board, 3));
    board[3][8].Value = 0; // now two empty squares
    EXPECT_FALSE(ColumnDistinct(board, 3));
    for (std::int32_t c = 1; c <= 8; ++c)
        board[c][6].Value = c;
    board[9][6].Value = 0;
    EXPECT_TRUE(RowDistinct(board, 6));
    board[9][6].Value = 4;
    EXPECT_FALSE(RowDistinct(board, 6));
    // A repeated value above 9 is a repeat too; the set only ignores values above 255.
    TBoard odd = SolvedGrid();
    odd[1][1].Value = 12;
    odd[1][2].Value = 12;
    EXPECT_FALSE(ColumnDistinct(odd, 1));
    odd[1][1].Value = 300;
    odd[1][2].Value = 300;
    EXPECT_TRUE(ColumnDistinct(odd, 1));
}

TEST(BoardTest, NotInColumnAndRowLookAtTheRightLine) {
    const TBoard empty{};
    for (std::int32_t i = 1; i <= 9; ++i)
        for (std::int32_t d = 1; d <= 9; ++d) {
            EXPECT_TRUE(NotInColumn(empty, i, d));
            EXPECT_TRUE(NotInRow(empty, i, d));
        }
    TBoard board{};
    board[2][7].Value = 5; // column 2, row 7
    EXPECT_FALSE(NotInColumn(board, 2, 5));
    EXPECT_TRUE(NotInColumn(board, 7, 5));
    EXPECT_FALSE(NotInRow(board, 7, 5));
    EXPECT_TRUE(NotInRow(board, 2, 5));
    EXPECT_TRUE(NotInColumn(board, 2, 4));
}

TEST(BoardTest, IsSolvedTestsLinesAndEmptiesButNotBoxes) {
    EXPECT_FALSE(IsSolved(TBoard{}));
    EXPECT_TRUE(IsSolved(SolvedGrid()));
    EXPECT_TRUE(IsSolved(LatinSquareWithBadBoxes()));
    TBoard holed = SolvedGrid();
    holed[6][4].Value = 0;
    EXPECT_FALSE(IsSolved(holed));
    TBoard swapped = SolvedGrid(); // two squares of a row swapped: columns now repeat
    std::swap(swapped[1][1].Value, swapped[2][1].Value);
    EXPECT_FALSE(IsSolved(swapped));
}

TEST(BoardTest, CopyMarkAndClear) {
    TBoard source = SolvedGrid();
    source[4][4].Value = 0;
    source[4][4].Given = true; // an empty square keeps a set flag
    source[5][5].Given = false;
    MarkGivens(source);
    EXPECT_TRUE(source[4][4].Given);
    EXPECT_TRUE(source[5][5].Given);
    EXPECT_EQ(source[4][4].Value, 0);
    TBoard copy{};
    CopyBoard(source, copy);
    EXPECT_EQ(copy, source);

    TGameState state;
    state.Solution = source;
    state.Board = source;
    ClearSolution(state);
    for (std::int32_t c = 1; c <= 9; ++c)
        for (std::int32_t r = 1; r <= 9; ++r)
            EXPECT_EQ(state.Solution[c][r], TCell{});
    EXPECT_EQ(state.Board, source); // only Solution is cleared
}

TEST(DigitSetTest, MembershipAndCounts) {
    const TDigitSet all = TDigitSet::AllDigits();
    EXPECT_EQ(all.Word(0), 1022u);
    EXPECT_EQ(CountDigits(all), 9);
    EXPECT_EQ(FirstDigit(all), 1);

    TDigitSet seven;
    seven.Include(7);
    EXPECT_EQ(FirstDigit(seven), 7);
    EXPECT_EQ(FirstDigit(TDigitSet{}), 10);

    TDigitSet zeroFive;
    zeroFive.Include(0);
    zeroFive.Include(5);
    EXPECT_EQ(CountDigits(zeroFive), 1);

    TDigitSet high;
    high.Include(10);
    high.Include(255);
    high.Include(256); // ignored
    high.Include(-1);  // ignored
    EXPECT_EQ(CountDigits(high), 0);
    EXPECT_EQ(FirstDigit(high), 10);
    EXPECT_TRUE(high.Contains(255));
    EXPECT_EQ(high.Word(7), 0x80000000u);
    EXPECT_FALSE(high.Contains(256));
    EXPECT_FALSE(high.Contains(-1));
    high.Exclude(255);
    high.Exclude(1000);
    EXPECT_FALSE(high.Contains(255));
    EXPECT_TRUE(high.Contains(10));
}
