#include "engine/DigSolvability.h"
#include "engine/Generator.h"
#include "engine/Solver.h"

#include "TestBoards.h"

#include <gtest/gtest.h>

namespace {

std::int32_t SquareOf(std::int32_t c, std::int32_t r) {
    return (c - 1) * 9 + (r - 1);
}

} // namespace

TEST(DigSolvabilityTest, AgreesWithTheSolverAlongWholeDigs) {
    // Digs grids down as far as singles allow, asking both ways after every removal; the kept
    // removals leave boards from full down to as few givens as singles can stand.
    std::int32_t kept = 0, refused = 0;
    for (std::uint32_t seed : {1u, 7u, 1000u, 65537u, 4000000000u}) {
        TGameState state;
        TRandomGenerator random{seed};
        FillSolution(state, random);
        TBoard puzzle = state.Solution;
        TDigBoard dig;
        ASSERT_TRUE(dig.LoadGrid(puzzle));
        for (int pick = 0; pick < 400; ++pick) {
            const auto c = static_cast<std::int32_t>(random.RandomInt(9)) + 1;
            const auto r = static_cast<std::int32_t>(random.RandomInt(9)) + 1;
            const std::int32_t v = puzzle[c][r].Value;
            if (v == 0) continue;
            TBoard scratch = puzzle;
            scratch[c][r].Value = 0;
            TBoard solved = scratch;
            const bool expected = SolveBySingles(solved);
            TDigBoard trial = dig;
            trial.Remove(SquareOf(c, r), v);
            ASSERT_EQ(trial.RefillsBySingles(SquareOf(c, r)), expected)
                << "seed " << seed << " pick " << pick;
            if (expected) {
                puzzle = scratch;
                dig = trial;
                ++kept;
            } else {
                ++refused;
            }
        }
    }
    EXPECT_GT(kept, 200);
    EXPECT_GT(refused, 100);
}

TEST(DigSolvabilityTest, LoadsOnlyCompleteValidGrids) {
    EXPECT_TRUE(TDigBoard().LoadGrid(SolvedGrid()));
    TBoard hole = SolvedGrid(), outOfRange = SolvedGrid();
    hole[4][6].Value = 0;
    outOfRange[9][9].Value = 10;
    // Rows and columns of the Latin square hold 1-9 once, but its boxes repeat.
    for (const TBoard& bad : {LatinSquareWithBadBoxes(), hole, outOfRange})
        EXPECT_FALSE(TDigBoard().LoadGrid(bad));
}
