#include "engine/Solver.h"
#include "engine/DigSolvability.h"
#include "engine/SolutionSearch.h"

#include "TestBoards.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string StepText(const TSquareDigit& step) {
    return std::to_string(step.Col) + " " + std::to_string(step.Row) + " " + std::to_string(step.Digit) +
           "\n";
}

} // namespace

// The singles that finish puzzle 1, in the order hints give them and Finish shows them (the search
// runs down each column, columns left to right), one at a time and in one run with a redraw per digit.
TEST(SolverTest, SinglesOfPuzzleOneInOrder) {
    TBoard stepped = BoardFromRows(PuzzleOneEasyRows), solved = stepped;
    std::string steps, redraws;
    for (TSquareDigit placed; PlaceSingle(stepped, placed);) {
        EXPECT_EQ(stepped[placed.Col][placed.Row], (TCell{placed.Digit, false}));
        steps += StepText(placed);
    }
    EXPECT_TRUE(SolveBySingles(solved, [&](const TBoard& drawn, const TSquareDigit& square) {
        EXPECT_EQ(drawn[square.Col][square.Row].Value, square.Digit); // the digit is on the board already
        redraws += StepText(square);
    }));
    EXPECT_EQ(stepped, SolvedGrid());
    EXPECT_EQ(solved, SolvedGrid());
    EXPECT_EQ(redraws, steps);
    EXPECT_TRUE(test::MatchesGoldenFile(steps, ENGINE_TEST_DATA "/puzzle1-singles.txt"));
}

TEST(SolverTest, NothingToPlaceAnswersFalseAndChangesNothing) {
    TSquareDigit found{7, 8, 9};
    EXPECT_FALSE(FindSingle(TBoard{}, found));
    EXPECT_FALSE(FindSingle(SolvedGrid(), found));
    EXPECT_EQ(found, (TSquareDigit{7, 8, 9}));

    TBoard solved = SolvedGrid();
    int redraws = 0;
    EXPECT_FALSE(SolveBySingles(solved, [&](const TBoard&, const TSquareDigit&) { ++redraws; }));
    EXPECT_EQ(redraws, 0);
    EXPECT_EQ(solved, SolvedGrid());

    TBoard wrong = BoardFromRows(PuzzleOneEasyRows);
    wrong[4][1].Value = 6; // the solution holds 5 here
    EXPECT_FALSE(SolveBySingles(wrong));
    EXPECT_FALSE(IsSolved(wrong));
}

// Working out a loaded game's solution from its givens.
TEST(SolutionSearch, FindsTheSolutionBySinglesOrBySearch) {
    const TBoard full = SolvedGrid();
    TBoard grid{};
    for (int c = 1; c <= 9; ++c)
        grid[c][c] = full[c][c]; // singles cannot finish nine givens
    ASSERT_TRUE(TSolutionSearch().Solve(grid));
    EXPECT_TRUE(TDigBoard().LoadGrid(grid)) << "a complete grid by all three rules";
    for (int c = 1; c <= 9; ++c)
        EXPECT_EQ(grid[c][c].Value, full[c][c].Value);

    TBoard oneHole = full;
    oneHole[5][5].Value = 0;
    ASSERT_TRUE(TSolutionSearch().Solve(oneHole));
    EXPECT_EQ(oneHole, full);

    TBoard two{}; // a search that meets a line or box no candidate can complete
    two[1][1].Value = 7;
    two[9][9].Value = 9;
    ASSERT_TRUE(TSolutionSearch().Solve(two));
    EXPECT_TRUE(TDigBoard().LoadGrid(two) && two[1][1].Value == 7 && two[9][9].Value == 9);
}

TEST(SolutionSearch, RefusesGivensThatCannotBeSolvedAndLeavesThemAlone) {
    TBoard repeat{};
    repeat[1][1].Value = 4;
    repeat[2][2].Value = 4; // same box
    // No repeats, but square (9, 9) has no digit left: 1-8 in its row and 9 in its column.
    TBoard dead{};
    for (int c = 1; c <= 8; ++c)
        dead[c][9].Value = c;
    dead[9][1].Value = 9;
    TBoard outOfRange{};
    outOfRange[3][3].Value = 12;
    for (const TBoard& givens : {repeat, dead, outOfRange}) {
        TBoard grid = givens;
        EXPECT_FALSE(TSolutionSearch().Solve(grid));
        EXPECT_EQ(grid, givens);
    }
    // A step limit too small to finish gives up instead of running on.
    TBoard empty{};
    EXPECT_FALSE(TSolutionSearch(10).Solve(empty));
}
