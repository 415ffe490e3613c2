// The saved-game file: its exact bytes, reading it back, and damaged files that change nothing.
// A save that cannot be written: the hardening tests keep the old file, the window tests the message.
#include "GameTestHelpers.h"
#include "TestFiles.h"
#include "game/GameTexts.h"
#include "game/SavedGame.h"
#include "game/TGame.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

// The bytes of a game saved in play, reading back the least number, and reading loosely as the
// game always has. Saving and loading files is played in the game's scripts.
TEST(SavedGameFormat, WritesByteForByteAndReadsBackAndReadsLoosely) {
    TGame played = DealtGame();
    played.EnterDigit(4, 1, 5); // the first empty square of the top row
    for (int i = 0; i < 75; ++i)
        played.Tick();
    TSavedGame saved = played.SavedGame();
    EXPECT_TRUE(test::MatchesGoldenFile(FormatSavedGame(saved), GAME_TEST_DATA "/puzzle1.sav"));
    saved.PuzzleNumber = -2147483647 - 1;
    const auto parsed = ParseSavedGame(FormatSavedGame(saved));
    ASSERT_TRUE(parsed.Game);
    EXPECT_EQ(*parsed.Game, saved);

    // Lower-case flags are not givens; any separator counts; a file that ends early leaves the
    // remaining squares empty; blanks before a number are skipped; LF-only lines work.
    const auto loose = ParseSavedGame("  12\n\t5\n4 y\n6\tY\n\n 2 Y");
    ASSERT_TRUE(loose.Game);
    EXPECT_TRUE(test::MatchesGoldenFile(FormatSavedGame(*loose.Game), GAME_TEST_DATA "/loose.sav"));
}

// Damaged saved games, each with the reason it is refused for and the line where reading stops.
struct TDamagedText {
    const char* Name;
    std::string Text;
    TSavedGameError Error;
    int Line;
};

std::string Lines(const std::string& first, int empties, const std::string& last) {
    std::string text = "1\r\n0\r\n" + first;
    for (int i = 0; i < empties; ++i)
        text += "0 N\r\n";
    return text + last;
}

const TDamagedText DamagedTexts[] = {
    {"LettersForTheNumber", "abc\r\n", TSavedGameError::sgBadNumber, 1},
    {"NumberBeyond32Bits", "2147483648\r\n0\r\n", TSavedGameError::sgBadNumber, 1},
    {"OverlongNumber", std::string(40, '7'), TSavedGameError::sgBadNumber, 1},
    {"TimeBeyond32Bits", "1\r\n99999999999\r\n", TSavedGameError::sgBadNumber, 2},
    {"NegativeTime", "1\r\n-5\r\n", TSavedGameError::sgNegativeTime, 2},
    {"LetterInASquare", Lines("5 N\r\n", 0, "x N\r\n"), TSavedGameError::sgBadNumber, 4},
    {"SquareAboveNine", Lines("5 N\r\n", 0, "10 N\r\n"), TSavedGameError::sgValueOutOfRange, 4},
    {"NegativeSquare", Lines("5 N\r\n", 0, "-1 N\r\n"), TSavedGameError::sgValueOutOfRange, 4},
    {"EmptyFile", "", TSavedGameError::sgEmpty, 1},
    {"BlanksOnly", " \r\n\t\n\r\n", TSavedGameError::sgEmpty, 1},
    {"GivenWithoutDigit", Lines("5 N\r\n", 1, "0 Y\r\n"), TSavedGameError::sgEmptyGiven, 5},
    // A 7 given in column 1, row 1, then again in row 5 (line 7) or in column 2, row 2 (line 13).
    {"EqualGivensInAColumn", Lines("7 Y\r\n", 3, "7 Y\r\n"), TSavedGameError::sgGivensClash, 7},
    {"EqualGivensInABox", Lines("7 Y\r\n", 9, "7 Y\r\n"), TSavedGameError::sgGivensClash, 13},
    {"AllFivesGiven", Lines("5 Y\r\n", 0, "5 Y\r\n5 Y\r\n"), TSavedGameError::sgGivensClash, 4},
};

// Each damaged text is refused with its reason and the line where reading stopped; loaded as text
// or as a file, like a folder in the file's place, it leaves the game as it was.
TEST(SavedGameFiles, DamagedTextsAndFilesAreRefusedAndChangeNothing) {
    test::TempFolder folder;
    TGame game = DealtGame("5");
    game.Tick();
    const std::string before = FormatSavedGame(game.SavedGame());
    const TGameState state = game.State();
    EXPECT_EQ(game.LoadGameFile(folder.File("none.sav")).Outcome, TLoadOutcome::loNoFile);
    const auto expectUnchanged = [&](TLoadResult loaded, const std::string& name) {
        EXPECT_EQ(loaded.Outcome, TLoadOutcome::loDamaged) << name;
        EXPECT_TRUE(game.Display().HelpVisible && game.Display().HelpText == GameTexts::LoadFailed) << name;
        EXPECT_EQ(FormatSavedGame(game.SavedGame()), before) << name;
        EXPECT_TRUE(game.State().Solution == state.Solution && game.State().Puzzle == state.Puzzle) << name;
        game.HideHelp();
    };
    expectUnchanged(game.LoadGameFile(folder.Path()), "a folder");
    for (const TDamagedText& damaged : DamagedTexts) {
        const auto parsed = ParseSavedGame(damaged.Text);
        EXPECT_EQ(std::tuple(parsed.Game.has_value(), parsed.Error, parsed.Line),
                  std::tuple(false, damaged.Error, damaged.Line))
            << damaged.Name;
        expectUnchanged(game.LoadGameText(damaged.Text), damaged.Name);
        test::WriteWholeFile(folder.File("damaged.sav"), damaged.Text);
        expectUnchanged(game.LoadGameFile(folder.File("damaged.sav")), damaged.Name + std::string(" file"));
    }
}

TEST(SavedGameFiles, GivensWithoutASolutionStillLoad) {
    // No two givens clash, but column 1, row 9 can take no digit: the solution holds the givens.
    TSavedGame saved;
    for (int r = 1; r <= 8; ++r)
        saved.Board[1][r] = {r, true};
    saved.Board[2][9] = {9, true};
    saved.Board[3][1] = {3, false};
    TGame game;
    ASSERT_EQ(game.LoadGameText(FormatSavedGame(saved)).Outcome, TLoadOutcome::loLoaded);
    EXPECT_EQ(game.State().Solution[1][1].Value, 1);
    EXPECT_EQ(game.State().Solution[1][9].Value, 0);
    EXPECT_EQ(game.State().Board, saved.Board);
}

} // namespace
