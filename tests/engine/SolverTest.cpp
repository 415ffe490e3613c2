#include "engine/Solver.h"
#include "engine/BoardRows.h"
#include "engine/Generator.h"
#include "engine/HoleWindows.h"

#include "TestBoards.h"

#include <gtest/gtest.h>

#include <vector>

TEST(SolverTest, FirstSinglesOfPuzzleOne) {
    TBoard board = BoardFromRows(PuzzleOneEasyRows);
    const TSquareDigit expected[] = {{4, 3, 9}, {1, 3, 3}, {3, 3, 8}, {4, 1, 5}, {5, 8, 2}};
    for (const TSquareDigit& next : expected) {
        TSquareDigit placed;
        ASSERT_TRUE(PlaceSingle(board, placed));
        EXPECT_EQ(placed, next);
        EXPECT_EQ(board[next.Col][next.Row].Value, next.Digit);
        EXPECT_FALSE(board[next.Col][next.Row].Given);
    }
}

TEST(SolverTest, CandidatesRemoveColumnRowAndBox) {
    TBoard board{};
    board[1][5].Value = 1; // same column as (1, 1)
    board[5][1].Value = 2; // same row
    board[3][3].Value = 3; // same box
    board[4][4].Value = 4; // none of them
    const TDigitSet candidates = Candidates(board, 1, 1);
    EXPECT_EQ(CountDigits(candidates), 6);
    EXPECT_FALSE(candidates.Contains(1));
    EXPECT_FALSE(candidates.Contains(2));
    EXPECT_FALSE(candidates.Contains(3));
    EXPECT_TRUE(candidates.Contains(4));
}

TEST(SolverTest, FindSingleLeavesResultAloneWhenNothingFound) {
    TSquareDigit found{7, 8, 9};
    EXPECT_FALSE(FindSingle(TBoard{}, found));
    EXPECT_EQ(found, (TSquareDigit{7, 8, 9}));
    EXPECT_FALSE(FindSingle(SolvedGrid(), found));
    EXPECT_EQ(found, (TSquareDigit{7, 8, 9}));
}

TEST(SolverTest, SearchRunsColumnsOuterRowsInner) {
    // Two singles: (2, 1) and (1, 2). Column-major order finds (1, 2) first.
    TBoard board = SolvedGrid();
    board[2][1].Value = 0;
    board[1][2].Value = 0;
    TSquareDigit found;
    ASSERT_TRUE(FindSingle(board, found));
    EXPECT_EQ(found, (TSquareDigit{1, 2, SolvedGrid()[1][2].Value}));
}

TEST(SolverTest, SolveBySinglesRedrawsOncePerDigit) {
    TBoard board = BoardFromRows(PuzzleOneEasyRows);
    std::vector<TSquareDigit> placed;
    EXPECT_TRUE(SolveBySingles(board, [&](const TBoard& drawn, const TSquareDigit& square) {
        EXPECT_EQ(drawn[square.Col][square.Row].Value, square.Digit); // the digit is on the board already
        placed.push_back(square);
    }));
    EXPECT_EQ(placed.size(), 38u);
    EXPECT_EQ(board, SolvedGrid());
    EXPECT_EQ(placed.front(), (TSquareDigit{4, 3, 9}));
}

TEST(SolverTest, FullBoardAnswersFalseAtOnce) {
    TBoard solved = SolvedGrid();
    int redraws = 0;
    EXPECT_FALSE(SolveBySingles(solved, [&](const TBoard&, const TSquareDigit&) { ++redraws; }));
    EXPECT_EQ(redraws, 0);
    EXPECT_EQ(solved, SolvedGrid());
}

TEST(SolverTest, WrongEntryStopsTheSolver) {
    TBoard board = BoardFromRows(PuzzleOneEasyRows);
    board[4][1].Value = 6; // the solution holds 5 here
    EXPECT_FALSE(SolveBySingles(board));
    EXPECT_FALSE(IsSolved(board));
}
