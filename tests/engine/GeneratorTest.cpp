#include "engine/Generator.h"
#include "engine/BoardRows.h"
#include "engine/DigSolvability.h"
#include "engine/HoleWindows.h"
#include "engine/Progress.h"
#include "engine/Solver.h"
#include "engine/TGridFiller.h"

#include "TestBoards.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(RandomGeneratorTest, DrawsFromKnownSeedsAndSkipsLikeDraws) {
    TRandomGenerator random; // its first draws: see the numbers New draws
    EXPECT_EQ(random.RandomInt(0) + random.RandomInt(1), 0u);
    // The seed wraps at 32 bits and the product is taken in 64.
    TRandomGenerator last{0xFFFFFFFFu};
    EXPECT_EQ(last.RandomInt(0xFFFFFFFFu), 4160191483u);
    EXPECT_EQ(last.RandomSeed, 4160191484u);
    for (std::uint32_t draws : {0u, 1u, 2u, 7u, 200u, 65537u}) {
        TRandomGenerator drawn{12345u}, skipped{12345u};
        for (std::uint32_t i = 0; i < draws; ++i)
            drawn.RandomInt(5);
        skipped.Skip(draws);
        EXPECT_EQ(skipped.RandomSeed, drawn.RandomSeed) << draws;
    }
}

// The fast fill (the band filler where the processor has AVX2) and the portable one make the same
// grids and leave the same stream: for seeds spread over the whole range, both ends included, whose
// grids are golden, and for many more, so that the band filler's rare turns (bands done box by box,
// misses past the window) are all taken.
TEST(GeneratorTest, FillSolutionGrids) {
    std::ostringstream grids;
    TRandomGenerator draws{4242u};
    for (std::uint32_t i = 0; i < 920; ++i) {
        const std::uint32_t spread = i / 2 * 71582791u;
        const std::uint32_t start = i >= 120 ? draws.RandomInt(0xFFFFFFFFu) : i % 2 == 0 ? spread : ~spread;
        TBoard fast{}, portable{};
        TRandomGenerator fastRandom{start}, portableRandom{start};
        TGridFiller::Fill(fast, fastRandom);
        TGridFiller().FillPortable(portable, portableRandom);
        ASSERT_TRUE(fast == portable && fastRandom.RandomSeed == portableRandom.RandomSeed)
            << "seed " << start;
        if (i < 120)
            grids << start << ' ' << fastRandom.RandomSeed << ' ' << BoardRowsText(fast).View() << '\n';
    }
    EXPECT_TRUE(test::MatchesGoldenFile(grids.str(), ENGINE_TEST_DATA "/grids.txt"));
}

TEST(GeneratorTest, GridSearchMatchesThePlainAttempts) {
    // The four-at-a-time attempt search, for every set of free squares.
    TRandomGenerator seeds{99u};
    for (std::uint32_t free = 0; free < 512; ++free) {
        for (int i = 0; i < 20; ++i) {
            const std::uint32_t start = seeds.RandomInt(0xFFFFFFFFu);
            TRandomGenerator plain{start};
            std::int32_t expected = -1;
            for (int attempt = 0; attempt < 100 && expected < 0; ++attempt) {
                const auto c = static_cast<std::int32_t>(plain.RandomInt(3));
                const auto square = c * 3 + static_cast<std::int32_t>(plain.RandomInt(3));
                if ((free >> square & 1u) != 0) expected = square;
            }
            std::uint32_t seed = start;
            ASSERT_EQ(TGridFiller::FirstHit(free, seed), expected) << free;
            ASSERT_EQ(seed, plain.RandomSeed) << free;
        }
    }
}

// The puzzle numbering: what a number deals at each window, the stream left behind, and that every
// deal is a puzzle singles finish to its Solution with exactly the dealt digits as givens.
TEST(GeneratorTest, DealsOfNumbersAtEachWindow) {
    const THoleWindow windows[] = {LevelWindow(1),   LevelWindow(2), StartupWindow(2),
                                   StartupWindow(3), LevelWindow(3), LevelWindow(4)};
    std::ostringstream deals;
    for (std::int32_t number : {1, 2, 3, 39, 42, 1000, 65536, -7, 2147483647, -2147483647 - 1, 67387906}) {
        for (const THoleWindow& window : windows) {
            SCOPED_TRACE(testing::Message() << "puzzle " << number << " window " << window.MinHoles);
            TGameState state{.MinHoles = window.MinHoles, .MaxHoles = window.MaxHoles};
            TRandomGenerator random{777u}; // the stream before the deal changes nothing
            ASSERT_TRUE(SelectPuzzle(state, random, number));
            deals << state.PuzzleNumber << ' ' << window.MinHoles << '-' << window.MaxHoles << ' '
                  << state.Holes << ' ' << random.RandomSeed << ' ' << BoardRowsText(state.Puzzle).View()
                  << '\n';
            EXPECT_TRUE(window.MinHoles <= state.Holes && state.Holes <= window.MaxHoles);
            TBoard givens = state.Puzzle, finished = state.Board;
            MarkGivens(givens);
            EXPECT_EQ(state.Board, givens);
            EXPECT_TRUE(SolveBySingles(finished) && IsSolved(state.Solution));
            EXPECT_EQ(BoardRowsText(finished).View(), BoardRowsText(state.Solution).View());
            EXPECT_EQ(CountProgress(state.Puzzle).ToGo, state.Holes);
            EXPECT_EQ(CountProgress(state.Puzzle).Givens + CountProgress(state.Solution).Givens, 0);
        }
    }
    EXPECT_TRUE(test::MatchesGoldenFile(deals.str(), ENGINE_TEST_DATA "/deals.txt"));
}

// A window no dig lands in, or one too rare for the grids allowed, deals nothing and draws nothing.
TEST(GeneratorTest, UnreachableOrTooRareWindowDealsNothing) {
    for (const THoleWindow window :
         {THoleWindow{1, 1}, THoleWindow{40, 30}, THoleWindow{64, 81}, THoleWindow{5, 5}}) {
        SCOPED_TRACE(testing::Message() << window.MinHoles << "-" << window.MaxHoles);
        TGameState state{.MinHoles = window.MinHoles, .MaxHoles = window.MaxHoles};
        state.PuzzleNumber = 9;
        TRandomGenerator random; // puzzle 1 needs more than two grids for five holes
        EXPECT_FALSE(HoleWindowReachable(window)
                         ? GeneratePuzzle(state, random, 2)
                         : SelectPuzzle(state, random, 1) || GeneratePuzzle(state, random));
        EXPECT_EQ(random.RandomSeed, 1u);
        EXPECT_EQ(state.PuzzleNumber, 9);
        EXPECT_EQ(state.Solution, TBoard{});
        EXPECT_EQ(state.Board, TBoard{});
    }
    // The most holes seen lands within the guard.
    TGameState state{.MinHoles = MostDugHoles, .MaxHoles = 81};
    TRandomGenerator random;
    ASSERT_TRUE(SelectPuzzle(state, random, 1));
    EXPECT_EQ(state.Holes, MostDugHoles);
}

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
            trial.Remove((c - 1) * 9 + r - 1, v); // squares numbered column by column from 0
            ASSERT_EQ(trial.RefillsBySingles((c - 1) * 9 + r - 1), expected)
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
