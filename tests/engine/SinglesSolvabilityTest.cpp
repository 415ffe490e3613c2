#include "engine/Generator.h"
#include "engine/HoleWindows.h"
#include "engine/SinglesSolvability.h"
#include "engine/Solver.h"

#include "TestBoards.h"

#include <gtest/gtest.h>

namespace {

bool ReferenceAnswer(const TBoard& board) {
    TBoard scratch = board;
    return SolveBySingles(scratch);
}

// Deals a puzzle, then removes, changes or adds digits in ways drawn from its own generator, so the
// boards range from solvable puzzles to ones with wrong digits, dead squares and repeats.
class TBoardMutator {
public:
    explicit TBoardMutator(std::uint32_t seed) : Random{seed} {}

    std::int32_t Square() { return static_cast<std::int32_t>(Random.RandomInt(9)) + 1; }

    TBoard Mutate(TBoard board, std::int32_t changes, std::int32_t wrongDigits) {
        for (std::int32_t i = 0; i < changes; ++i) board[Square()][Square()].Value = 0;
        for (std::int32_t i = 0; i < wrongDigits; ++i)
            board[Square()][Square()].Value = static_cast<std::int32_t>(Random.RandomInt(10));
        return board;
    }

private:
    TRandomGenerator Random;
};

} // namespace

TEST(SinglesSolvabilityTest, AgreesWithTheSolverOnManyBoards) {
    std::int32_t solvable = 0, unsolvable = 0;
    TBoardMutator mutator{2024u};
    for (std::int32_t number = 1; number <= 60; ++number) {
        TGameState state;
        state.MinHoles = 25 + number % 20;
        state.MaxHoles = 81;
        TRandomGenerator random;
        ASSERT_TRUE(SelectPuzzle(state, random, number));
        for (std::int32_t changes = 0; changes <= 12; changes += 3) {
            for (std::int32_t wrong = 0; wrong <= 2; ++wrong) {
                const TBoard board = mutator.Mutate(state.Puzzle, changes, wrong);
                const bool expected = ReferenceAnswer(board);
                EXPECT_EQ(SolvableBySingles(board), expected) << "puzzle " << number;
                (expected ? solvable : unsolvable)++;
            }
        }
    }
    // Both answers must have been exercised for the comparison to mean anything.
    EXPECT_GT(solvable, 100);
    EXPECT_GT(unsolvable, 100);
}

TEST(SinglesSolvabilityTest, EdgeBoards) {
    EXPECT_FALSE(SolvableBySingles(TBoard{}));
    EXPECT_FALSE(SolvableBySingles(SolvedGrid())); // full boards answer false, as the solver does

    TBoard oneHole = SolvedGrid();
    oneHole[5][5].Value = 0;
    EXPECT_TRUE(SolvableBySingles(oneHole));

    // Rows and columns fine but boxes repeat: the solver still calls the filled board solved.
    TBoard latin = LatinSquareWithBadBoxes();
    latin[1][1].Value = 0;
    EXPECT_EQ(SolvableBySingles(latin), ReferenceAnswer(latin));

    // A repeat in a column of the original digits can never be solved.
    TBoard repeat = SolvedGrid();
    repeat[1][1].Value = 0;
    repeat[1][2].Value = repeat[1][3].Value;
    EXPECT_EQ(SolvableBySingles(repeat), ReferenceAnswer(repeat));
    EXPECT_FALSE(SolvableBySingles(repeat));

    // Values outside 0-9 (damaged input) take the plain solver's answer.
    TBoard odd = SolvedGrid();
    odd[2][2].Value = 0;
    odd[9][9].Value = 42;
    EXPECT_EQ(SolvableBySingles(odd), ReferenceAnswer(odd));
    odd[9][9].Value = -1;
    EXPECT_EQ(SolvableBySingles(odd), ReferenceAnswer(odd));
}
