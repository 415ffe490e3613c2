#include "engine/PuzzleChoice.h"
#include "engine/Generator.h"
#include "engine/HoleWindows.h"

#include "CaseTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The seed that advances to target: the step undone with the multiplier's inverse modulo 2^32.
std::uint32_t SeedBefore(std::uint32_t target) {
    return (target - 1u) * 3645876429u;
}

// "number holes seed" after a deal: the holes and the stream left tell which window dealt it.
std::string Dealt(const TGameState& state, const TRandomGenerator& random) {
    return std::to_string(state.PuzzleNumber) + " " + std::to_string(state.Holes) + " " +
           std::to_string(random.RandomSeed);
}

} // namespace

TEST(HoleWindowsTest, BadLevelsFallBackToMediumAndOnlyReachableWindowsDeal) {
    for (std::int32_t bad : {0, 5, -1, 2147483647}) {
        EXPECT_EQ(NormalizeLevel(bad), 2);
        EXPECT_EQ(StartupWindow(bad), StartupWindow(2));
    }
    for (const THoleWindow window : {THoleWindow{25, 40}, THoleWindow{1, 5}, THoleWindow{59, 81}})
        EXPECT_TRUE(HoleWindowReachable(window)) << window.MinHoles;
    for (const THoleWindow window : {THoleWindow{1, 4}, THoleWindow{60, 81}, THoleWindow{30, 29}})
        EXPECT_FALSE(HoleWindowReachable(window)) << window.MinHoles;
}

TEST(PuzzleChoiceTest, NumbersDrawnByNewAndRandomPuzzle) {
    TRandomGenerator random;
    EXPECT_EQ(DrawNewNumber(random), 67387906);
    random = TRandomGenerator{};
    EXPECT_EQ(DrawRandomPuzzleNumber(random), 67387908);

    ASSERT_EQ(SeedBefore(134775814u), 1u);
    for (std::uint32_t advanced : {0u, 1u, 2u}) {
        random.RandomSeed = SeedBefore(advanced);
        EXPECT_EQ(DrawNewNumber(random), 0);
    }
    for (std::uint32_t advanced : {4294967294u, 4294967295u}) {
        random.RandomSeed = SeedBefore(advanced);
        EXPECT_EQ(DrawRandomPuzzleNumber(random), -2147483647 - 1);
    }
    random.RandomSeed = SeedBefore(4294967293u);
    EXPECT_EQ(DrawRandomPuzzleNumber(random), 2147483647);
    random.RandomSeed = SeedBefore(4294967295u);
    EXPECT_EQ(DrawNewNumber(random), 2147483645);
}

TEST(PuzzleChoiceTest, FindTextRules) {
    EXPECT_TRUE(test::MatchesCaseTable(ENGINE_TEST_DATA "/find-numbers.txt", [](const std::string& text) {
        return std::to_string(FindNumber(text));
    }));
}

TEST(PuzzleChoiceTest, DealsOfEachCommand) {
    TGameState state;
    TRandomGenerator random;
    // No window set yet: New and Goto random deal nothing and draw nothing.
    EXPECT_FALSE(DealNew(state, random) || DealRandomPuzzle(state, random));
    EXPECT_EQ(Dealt(state, random), "0 0 1");

    // A level read at start-up outside 1-4 is Medium, with the start-up window.
    SetStartupLevel(state, 9);
    EXPECT_EQ(state.Difficulty, 2);
    ASSERT_TRUE(DealNew(state, random));
    EXPECT_EQ(Dealt(state, random), "67387906 45 2113038078");

    // A level button draws its number before it sets the level-button window.
    random = TRandomGenerator{};
    ASSERT_TRUE(DealLevel(state, random, 1));
    EXPECT_EQ(state.Difficulty, 1);
    EXPECT_EQ(Dealt(state, random), "67387906 27 1573527442");

    // Find keeps the level and window; bad text deals puzzle 1.
    ASSERT_TRUE(DealFind(state, random, "abc"));
    EXPECT_EQ(state.Difficulty, 1);
    EXPECT_EQ(Dealt(state, random), "1 38 530734041");

    // Goto random puzzle, then Find with the number shown, deals the same puzzle again.
    ASSERT_TRUE(DealRandomPuzzle(state, random));
    const TGameState shown = state;
    ASSERT_TRUE(DealFind(state, random, std::to_string(shown.PuzzleNumber)));
    EXPECT_EQ(state.Puzzle, shown.Puzzle);
    EXPECT_EQ(state.PuzzleNumber, shown.PuzzleNumber);
}
