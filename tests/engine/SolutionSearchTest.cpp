// Working out a loaded game's solution from its givens.
#include "engine/SolutionSearch.h"

#include "TestBoards.h"

#include <gtest/gtest.h>

namespace {

bool RespectsTheRules(const TBoard& b) {
    for (int i = 1; i <= 9; ++i) {
        unsigned col = 0, row = 0, box = 0;
        for (int j = 1; j <= 9; ++j) {
            col |= 1u << b[i][j].Value;
            row |= 1u << b[j][i].Value;
            const int c = (i - 1) % 3 * 3 + (j - 1) % 3 + 1;
            const int r = (i - 1) / 3 * 3 + (j - 1) / 3 + 1;
            box |= 1u << b[c][r].Value;
        }
        if (col != 0x3FE || row != 0x3FE || box != 0x3FE) return false;
    }
    return true;
}

TEST(SolutionSearch, FindsTheSolutionBySinglesOrBySearch) {
    const TBoard full = SolvedGrid();
    TBoard fewGivens{};
    for (int c = 1; c <= 9; ++c)
        fewGivens[c][c] = full[c][c]; // singles cannot finish nine givens
    TBoard grid = fewGivens;
    ASSERT_TRUE(TSolutionSearch().Solve(grid));
    EXPECT_TRUE(RespectsTheRules(grid));
    for (int c = 1; c <= 9; ++c)
        EXPECT_EQ(grid[c][c].Value, full[c][c].Value);

    TBoard oneHole = full;
    oneHole[5][5].Value = 0;
    ASSERT_TRUE(TSolutionSearch().Solve(oneHole));
    EXPECT_EQ(oneHole, full);

    TBoard empty{};
    ASSERT_TRUE(TSolutionSearch().Solve(empty));
    EXPECT_TRUE(RespectsTheRules(empty));
}

TEST(SolutionSearch, RefusesGivensThatCannotBeSolvedAndLeavesThemAlone) {
    TBoard repeat{};
    repeat[1][1].Value = 4;
    repeat[2][2].Value = 4; // same box
    TBoard grid = repeat;
    EXPECT_FALSE(TSolutionSearch().Solve(grid));
    EXPECT_EQ(grid, repeat);

    // No repeats, but square (9, 9) has no digit left: 1-8 in its row and 9 in its column.
    TBoard dead{};
    for (int c = 1; c <= 8; ++c)
        dead[c][9].Value = c;
    dead[9][1].Value = 9;
    grid = dead;
    EXPECT_FALSE(TSolutionSearch().Solve(grid));
    EXPECT_EQ(grid, dead);

    TBoard outOfRange{};
    outOfRange[3][3].Value = 12;
    EXPECT_FALSE(TSolutionSearch().Solve(outOfRange));

    // A step limit too small to finish gives up instead of running on.
    TBoard empty{};
    EXPECT_FALSE(TSolutionSearch(10).Solve(empty));
}

} // namespace
