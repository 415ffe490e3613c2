#include "engine/PuzzleChoice.h"
#include "engine/Generator.h"
#include "engine/HoleWindows.h"

#include <gtest/gtest.h>

namespace {

// The seed that advances to target: the multiplier is odd, so the step can be undone.
std::uint32_t SeedBefore(std::uint32_t target) {
    std::uint32_t inverse = 134775813u; // Newton's iteration doubles the correct low bits each step
    for (int i = 0; i < 5; ++i)
        inverse *= 2u - 134775813u * inverse;
    return (target - 1u) * inverse;
}

} // namespace

TEST(HoleWindowsTest, BadLevelsFallBackToMediumAndOnlyReachableWindowsDeal) {
    for (std::int32_t bad : {0, 5, -1, 2147483647}) {
        EXPECT_EQ(NormalizeLevel(bad), 2);
        EXPECT_EQ(StartupWindow(bad), StartupWindow(2));
    }
    EXPECT_TRUE(HoleWindowReachable({25, 40}));
    EXPECT_TRUE(HoleWindowReachable({1, 5}));
    EXPECT_TRUE(HoleWindowReachable({59, 81}));
    EXPECT_FALSE(HoleWindowReachable({1, 4}));
    EXPECT_FALSE(HoleWindowReachable({60, 81}));
    EXPECT_FALSE(HoleWindowReachable({30, 29}));
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
    for (std::string_view text : {"0", "-5", "abc", "", "2147483648", "-2147483649", "99999999999", "12abc",
                                  "1.5", "--3", "+-3", "+", "-", " ", "1 2", "0x10", "$10"})
        EXPECT_EQ(FindNumber(text), 1) << '"' << text << '"';
    EXPECT_EQ(FindNumber("2147483647"), 2147483647);
    EXPECT_EQ(FindNumber("67387906"), 67387906);
    EXPECT_EQ(FindNumber("+25"), 25);
    EXPECT_EQ(FindNumber(" 25\t"), 25);
    EXPECT_EQ(FindNumber("007"), 7);
    EXPECT_EQ(FindNumber("-2147483648"), 1);
}

TEST(PuzzleChoiceTest, DealsOfEachCommand) {
    // Right after start-up with the default level the window is the start-up Medium one.
    TGameState state;
    TRandomGenerator random;
    SetStartupLevel(state, 2);
    ASSERT_TRUE(DealNew(state, random));
    EXPECT_EQ(state.PuzzleNumber, 67387906);
    EXPECT_EQ(state.Holes, 45);
    EXPECT_EQ(random.RandomSeed, 2113038078u);

    // A level button draws its number before it changes the window.
    TGameState easy;
    TRandomGenerator easyRandom;
    SetStartupLevel(easy, 3);
    ASSERT_TRUE(DealLevel(easy, easyRandom, 1));
    EXPECT_EQ(easy.Difficulty, 1);
    EXPECT_EQ(easy.MinHoles, 25);
    EXPECT_EQ(easy.MaxHoles, 40);
    EXPECT_EQ(easy.PuzzleNumber, 67387906);
    EXPECT_EQ(easy.Holes, 27);
    EXPECT_EQ(easyRandom.RandomSeed, 1573527442u);

    // Find keeps the level and window; bad text deals puzzle 1.
    ASSERT_TRUE(DealFind(easy, easyRandom, "abc"));
    EXPECT_EQ(easy.PuzzleNumber, 1);
    EXPECT_EQ(easy.Difficulty, 1);
    EXPECT_EQ(easy.Holes, 38);
    EXPECT_EQ(easyRandom.RandomSeed, 530734041u);

    // Goto random puzzle, then Find with the number shown, deals the same puzzle again.
    ASSERT_TRUE(DealRandomPuzzle(easy, easyRandom));
    const TGameState shown = easy;
    ASSERT_TRUE(DealFind(easy, easyRandom, std::to_string(shown.PuzzleNumber)));
    EXPECT_EQ(easy.Puzzle, shown.Puzzle);
    EXPECT_EQ(easy.PuzzleNumber, shown.PuzzleNumber);
}

TEST(PuzzleChoiceTest, LevelSettersNormalize) {
    TGameState state;
    SetStartupLevel(state, 9);
    EXPECT_EQ(state.Difficulty, 2);
    EXPECT_EQ(state.MaxHoles, 48);
    SetLevel(state, 3);
    EXPECT_EQ(state.Difficulty, 3);
    EXPECT_EQ(state.MinHoles, 48);
    EXPECT_EQ(state.MaxHoles, 81);

    TGameState unset; // no window set yet: New and Goto random deal nothing and draw nothing
    TRandomGenerator random;
    EXPECT_FALSE(DealNew(unset, random));
    EXPECT_FALSE(DealRandomPuzzle(unset, random));
    EXPECT_EQ(random.RandomSeed, 1u);
    EXPECT_EQ(unset.PuzzleNumber, 0);
}
