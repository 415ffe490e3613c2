// Working out a loaded game's solution from its givens.
#include "engine/SolutionSearch.h"
#include "engine/DigSolvability.h"

#include "TestBoards.h"

#include <gtest/gtest.h>

namespace {

// A complete grid by all three rules: what the dig may start from.
bool IsCompleteGrid(const TBoard& board) {
    return TDigBoard().LoadGrid(board);
}

TEST(SolutionSearch, FindsTheSolutionBySinglesOrBySearch) {
    const TBoard full = SolvedGrid();
    TBoard grid{};
    for (int c = 1; c <= 9; ++c)
        grid[c][c] = full[c][c]; // singles cannot finish nine givens
    ASSERT_TRUE(TSolutionSearch().Solve(grid));
    EXPECT_TRUE(IsCompleteGrid(grid));
    for (int c = 1; c <= 9; ++c)
        EXPECT_EQ(grid[c][c].Value, full[c][c].Value);

    TBoard oneHole = full;
    oneHole[5][5].Value = 0;
    ASSERT_TRUE(TSolutionSearch().Solve(oneHole));
    EXPECT_EQ(oneHole, full);

    TBoard empty{};
    ASSERT_TRUE(TSolutionSearch().Solve(empty));
    EXPECT_TRUE(IsCompleteGrid(empty));
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

} // namespace
