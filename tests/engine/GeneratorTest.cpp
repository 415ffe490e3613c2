#include "engine/Generator.h"
#include "engine/BoardRows.h"
#include "engine/HoleWindows.h"
#include "engine/Solver.h"
#include "engine/TBandFiller.h"
#include "engine/TGridFiller.h"

#include "TestBoards.h"

#include <gtest/gtest.h>

namespace {

TGameState StateWithWindow(THoleWindow window) {
    TGameState state;
    state.MinHoles = window.MinHoles;
    state.MaxHoles = window.MaxHoles;
    return state;
}

std::int32_t CountHoles(const TBoard& board) {
    std::int32_t holes = 0;
    for (std::int32_t c = 1; c <= 9; ++c)
        for (std::int32_t r = 1; r <= 9; ++r)
            if (board[c][r].Value == 0) ++holes;
    return holes;
}

// The grid filling exactly as the game describes it, attempt by attempt with both draws each time.
void ReferenceFillSolution(TGameState& state, TRandomGenerator& random) {
    do {
        ClearSolution(state);
        bool abandoned = false;
        for (std::int32_t d = 1; d <= 9 && !abandoned; ++d) {
            for (std::int32_t bx = 1; bx <= 3 && !abandoned; ++bx) {
                for (std::int32_t by = 1; by <= 3 && !abandoned; ++by) {
                    bool placed = false;
                    for (std::int32_t attempt = 0; attempt < 100 && !placed; ++attempt) {
                        const auto c = static_cast<std::int32_t>(random.RandomInt(3)) + 1 + 3 * (bx - 1);
                        const auto r = static_cast<std::int32_t>(random.RandomInt(3)) + 1 + 3 * (by - 1);
                        if (state.Solution[c][r].Value == 0 && NotInColumn(state.Solution, c, d) &&
                            NotInRow(state.Solution, r, d)) {
                            state.Solution[c][r].Value = d;
                            placed = true;
                        }
                    }
                    abandoned = !placed;
                }
            }
        }
    } while (!IsSolved(state.Solution));
}

// The dig exactly as the game describes it, with the plain solver on the Board scratch copy; the
// generator must deal the same puzzles with its fast solvability test.
void ReferenceDigHoles(TGameState& state, TRandomGenerator& random) {
    state.Holes = 0;
    CopyBoard(state.Solution, state.Puzzle);
    for (std::int32_t i = 1;; ++i) {
        std::int32_t c = 0, r = 0, v = 0;
        for (;;) {
            ++state.Holes;
            do {
                c = static_cast<std::int32_t>(random.RandomInt(9)) + 1;
                r = static_cast<std::int32_t>(random.RandomInt(9)) + 1;
            } while (state.Puzzle[c][r].Value == 0);
            v = state.Puzzle[c][r].Value;
            state.Puzzle[c][r].Value = 0;
            CopyBoard(state.Puzzle, state.Board);
            if (!SolveBySingles(state.Board)) break;
        }
        --state.Holes;
        state.Puzzle[c][r].Value = v;
        if (state.MinHoles <= state.Holes && state.Holes <= state.MaxHoles) return;
        if (i > 250) return;
    }
}

void ReferenceSelectPuzzle(TGameState& state, TRandomGenerator& random, std::int32_t number) {
    random.RandomSeed = static_cast<std::uint32_t>(number);
    state.PuzzleNumber = number;
    for (;;) {
        ReferenceFillSolution(state, random);
        for (std::int32_t dig = 0; dig < 101; ++dig) {
            ReferenceDigHoles(state, random);
            if (state.MinHoles <= state.Holes && state.Holes <= state.MaxHoles) {
                CopyBoard(state.Puzzle, state.Board);
                MarkGivens(state.Board);
                return;
            }
        }
    }
}

struct TKnownDeal {
    const char* Name;
    std::int32_t Number;
    THoleWindow Window;
    std::int32_t Holes;
    std::uint32_t SeedAfter;     // 0: not checked
    std::string_view PuzzleRows; // empty: not checked
};

} // namespace

TEST(RandomGeneratorTest, DrawsFromKnownSeeds) {
    TRandomGenerator random;
    EXPECT_EQ(random.RandomSeed, 1u);
    EXPECT_EQ(random.RandomInt(2147483646), 67387906u);
    EXPECT_EQ(random.RandomSeed, 134775814u);
    EXPECT_EQ(random.RandomInt(0), 0u);
    EXPECT_EQ(random.RandomInt(1), 0u);
    // The seed wraps at 32 bits and the product is taken in 64.
    TRandomGenerator last{0xFFFFFFFFu};
    EXPECT_EQ(last.RandomInt(0xFFFFFFFFu), 4160191483u);
    EXPECT_EQ(last.RandomSeed, 4160191484u);
}

TEST(GeneratorTest, FillSolutionMatchesThePlainLoop) {
    // Seeds spread over the whole range, including both ends; both fast forms of the loop.
    std::uint32_t seed = 0;
    for (int i = 0; i < 60; ++i, seed += 71582791u) {
        for (std::uint32_t start : {seed, ~seed}) {
            TGameState plain;
            TRandomGenerator plainRandom{start};
            ReferenceFillSolution(plain, plainRandom);
            TBoard fast{}, portable{};
            TRandomGenerator fastRandom{start}, portableRandom{start};
            TGridFiller::Fill(fast, fastRandom);
            TGridFiller().FillPortable(portable, portableRandom);
            ASSERT_EQ(fast, plain.Solution) << "seed " << start;
            ASSERT_EQ(fastRandom.RandomSeed, plainRandom.RandomSeed) << "seed " << start;
            ASSERT_EQ(portable, plain.Solution) << "seed " << start;
            ASSERT_EQ(portableRandom.RandomSeed, plainRandom.RandomSeed) << "seed " << start;
        }
    }
}

TEST(GeneratorTest, BandFillerMatchesThePortableFill) {
    // Many more grids than the plain loop can check in time, so that the band filler's rare turns
    // (bands done box by box, misses past the window) are all taken.
    if (!TBandFiller::Available()) GTEST_SKIP() << "no AVX2 here";
    TRandomGenerator seeds{4242u};
    for (int i = 0; i < 800; ++i) {
        const std::uint32_t start = seeds.RandomInt(0xFFFFFFFFu);
        TBoard band{}, portable{};
        TRandomGenerator bandRandom{start}, portableRandom{start};
        TBandFiller filler;
        filler.Fill(band, bandRandom);
        TGridFiller().FillPortable(portable, portableRandom);
        ASSERT_EQ(band, portable) << "seed " << start;
        ASSERT_EQ(bandRandom.RandomSeed, portableRandom.RandomSeed) << "seed " << start;
    }
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

TEST(RandomGeneratorTest, SkipEqualsDraws) {
    for (std::uint32_t draws : {0u, 1u, 2u, 7u, 200u, 65537u}) {
        TRandomGenerator drawn{12345u}, skipped{12345u};
        for (std::uint32_t i = 0; i < draws; ++i)
            drawn.RandomInt(5);
        skipped.Skip(draws);
        EXPECT_EQ(skipped.RandomSeed, drawn.RandomSeed) << draws;
    }
}

TEST(GeneratorTest, KnownDeals) {
    const TKnownDeal deals[] = {
        {"1 at Easy", 1, LevelWindow(1), 38, 530734041u, PuzzleOneEasyRows},
        {"1 at start-up Easy", 1, StartupWindow(1), 38, 530734041u, PuzzleOneEasyRows},
        // Both Medium windows deal the Easy puzzle for this number.
        {"1 at Medium", 1, LevelWindow(2), 38, 530734041u, PuzzleOneEasyRows},
        {"1 at start-up Medium", 1, StartupWindow(2), 38, 530734041u, PuzzleOneEasyRows},
        {"1 at Hard", 1, LevelWindow(3), 49, 0, {}},
        {"1 at Expert", 1, LevelWindow(4), 52, 0, {}},
        // The first dig overshoots the window and must run all its iterations.
        {"first New at Easy", 67387906, LevelWindow(1), 27, 1573527442u,
         "317..9..5/.5628731./92.31574./...6..9.1/.417.853./73..2146./1..85..93/.63972154/59413..87"},
        {"first New at start-up Medium", 67387906, StartupWindow(2), 45, 2113038078u,
         "3.7.69.25/.....7..9/9..31..../.....3.7./64.7....2/73.5..4.8/.7.8..693/.6.97.15./5..1.6..7"},
    };
    for (const TKnownDeal& deal : deals) {
        SCOPED_TRACE(deal.Name);
        TGameState state = StateWithWindow(deal.Window);
        TRandomGenerator random;
        ASSERT_TRUE(SelectPuzzle(state, random, deal.Number));
        EXPECT_EQ(state.PuzzleNumber, deal.Number);
        EXPECT_EQ(state.Holes, deal.Holes);
        EXPECT_EQ(CountHoles(state.Puzzle), deal.Holes);
        if (deal.SeedAfter != 0) {
            EXPECT_EQ(random.RandomSeed, deal.SeedAfter);
        }
        if (!deal.PuzzleRows.empty()) {
            EXPECT_EQ(BoardRowsText(state.Puzzle).View(), deal.PuzzleRows);
        }
    }
}

TEST(GeneratorTest, OvershootingDigRunsAllIterations) {
    // Puzzle 67387906 at Easy: the first dig ends at 55 holes, past the window; only if it ran
    // all 251 iterations does the second dig deal this puzzle.
    TGameState state = StateWithWindow(LevelWindow(1));
    TRandomGenerator random{67387906u};
    FillSolution(state, random);
    CopyBoard(state.Solution, state.Puzzle);
    DigHoles(state, random);
    EXPECT_EQ(state.Holes, 55);
    DigHoles(state, random);
    EXPECT_EQ(state.Holes, 27);
    EXPECT_EQ(BoardRowsText(state.Puzzle).View(),
              "317..9..5/.5628731./92.31574./...6..9.1/.417.853./73..2146./1..85..93/.63972154/59413..87");
    EXPECT_EQ(random.RandomSeed, 1573527442u);
}

TEST(GeneratorTest, SameNumberAndWindowAlwaysSamePuzzle) {
    TGameState first = StateWithWindow(LevelWindow(3));
    TGameState second = StateWithWindow(LevelWindow(3));
    TRandomGenerator a, b{12345u}; // a different stream before the deal changes nothing
    ASSERT_TRUE(SelectPuzzle(first, a, 777));
    ASSERT_TRUE(SelectPuzzle(second, b, 777));
    EXPECT_EQ(first.Puzzle, second.Puzzle);
    EXPECT_EQ(first.Solution, second.Solution);
    EXPECT_EQ(a.RandomSeed, b.RandomSeed);
}

TEST(GeneratorTest, MatchesTheDigWithThePlainSolver) {
    const THoleWindow windows[] = {LevelWindow(1),   StartupWindow(2), LevelWindow(2),
                                   StartupWindow(3), LevelWindow(3),   LevelWindow(4)};
    for (const THoleWindow& window : windows) {
        for (std::int32_t number : {1, 2, 3, 42, 1000, 65536, -7, 2147483647, 67387906, 1234567}) {
            TGameState fast = StateWithWindow(window), reference = StateWithWindow(window);
            TRandomGenerator fastRandom, referenceRandom;
            ASSERT_TRUE(SelectPuzzle(fast, fastRandom, number));
            ReferenceSelectPuzzle(reference, referenceRandom, number);
            SCOPED_TRACE(testing::Message() << "puzzle " << number << " window " << window.MinHoles);
            EXPECT_EQ(fast.Puzzle, reference.Puzzle);
            EXPECT_EQ(fast.Board, reference.Board);
            EXPECT_EQ(fast.Holes, reference.Holes);
            EXPECT_EQ(fastRandom.RandomSeed, referenceRandom.RandomSeed);
        }
    }
}

TEST(GeneratorTest, EveryDealIsConsistentAndSinglesFinishIt) {
    for (std::int32_t level = 1; level <= 4; ++level) {
        for (std::int32_t number : {1, 100, 101, 102, 103, 104, 105, 106, 107, 108, 109}) {
            SCOPED_TRACE(testing::Message() << "puzzle " << number << " level " << level);
            TGameState state = StateWithWindow(LevelWindow(level));
            TRandomGenerator random;
            ASSERT_TRUE(SelectPuzzle(state, random, number));
            EXPECT_GE(state.Holes, state.MinHoles);
            EXPECT_LE(state.Holes, state.MaxHoles);
            EXPECT_EQ(CountHoles(state.Board), state.Holes);
            EXPECT_TRUE(IsSolved(state.Solution));
            for (std::int32_t c = 1; c <= 9; ++c) {
                for (std::int32_t r = 1; r <= 9; ++r) {
                    const TCell& dealt = state.Board[c][r];
                    EXPECT_EQ(dealt.Value, state.Puzzle[c][r].Value);
                    EXPECT_EQ(dealt.Given, dealt.Value != 0) << "only the dealt digits are givens";
                    EXPECT_FALSE(state.Puzzle[c][r].Given);
                    EXPECT_FALSE(state.Solution[c][r].Given);
                }
            }
            TBoard board = state.Board;
            EXPECT_TRUE(SolveBySingles(board));
            for (std::int32_t c = 1; c <= 9; ++c)
                for (std::int32_t r = 1; r <= 9; ++r)
                    EXPECT_EQ(board[c][r].Value, state.Solution[c][r].Value);
        }
    }
}

TEST(GeneratorTest, UnreachableWindowDealsNothing) {
    for (const THoleWindow window : {THoleWindow{1, 1}, THoleWindow{40, 30}, THoleWindow{64, 81}}) {
        TGameState state = StateWithWindow(window);
        state.PuzzleNumber = 9;
        TRandomGenerator random{55u};
        EXPECT_FALSE(SelectPuzzle(state, random, 1));
        EXPECT_FALSE(GeneratePuzzle(state, random));
        EXPECT_EQ(random.RandomSeed, 55u);
        EXPECT_EQ(state.PuzzleNumber, 9);
        EXPECT_EQ(state.Board, TBoard{});
    }
}

TEST(GeneratorTest, RareWindowGivesUpAfterItsGridsAndChangesNothing) {
    // Five holes is the fewest a dig has been seen to leave: puzzle 1 needs more than two grids.
    TGameState state = StateWithWindow({5, 5});
    TRandomGenerator random{1u};
    EXPECT_FALSE(GeneratePuzzle(state, random, 2));
    EXPECT_EQ(random.RandomSeed, 1u);
    EXPECT_EQ(state.Solution, TBoard{});
    EXPECT_EQ(state.Board, TBoard{});

    // The most holes seen lands within the guard.
    state = StateWithWindow({MostDugHoles, 81});
    ASSERT_TRUE(SelectPuzzle(state, random, 1));
    EXPECT_EQ(state.Holes, MostDugHoles);
}
