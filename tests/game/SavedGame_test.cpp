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
#include <vector>

namespace {

TEST(SavedGameFormat, ReadsBackWhatItWroteAndReadsLooselyAsTheGameAlwaysHas) {
    TSavedGame sample;
    sample.PuzzleNumber = -2147483647 - 1;
    sample.ElapsedSeconds = 3725;
    sample.Board[1][1] = {7, true};
    sample.Board[9][9] = {9, true};
    const auto parsed = ParseSavedGame(FormatSavedGame(sample));
    ASSERT_TRUE(parsed.Game);
    EXPECT_EQ(*parsed.Game, sample);

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

TEST(SavedGameFiles, SaveThenLoadGivesBackTheGameAndItsSolution) {
    test::TempFolder folder;
    const std::string path = folder.File("velmora-puzzle.sav");
    TGame played = DealtGame();
    played.EnterDigit(4, 1, played.State().Solution[4][1].Value); // the first empty square of the top row
    for (int i = 0; i < 75; ++i)
        played.Tick();
    ASSERT_TRUE(played.SaveGameFile(path));
    EXPECT_TRUE(test::MatchesGoldenFile(test::ReadWholeFile(path), GAME_TEST_DATA "/puzzle1.sav"));

    // Loaded untimed, the solution is worked out again, so that the player's right digit is not
    // called wrong and Restart restarts the loaded puzzle. A complete board loads as a finished game,
    // a timed load of a game in progress runs the clock, and saving twice keeps the second game.
    TSettings untimed;
    untimed.TimedGame = false;
    TGame loaded;
    loaded.ApplySettings(untimed);
    const auto load = [&](TGame& g) { return g.LoadGameFile(path).Changes; };
    const std::vector<TStep> steps = {
        {"loaded untimed", load},
        {"check", [](TGame& g) { return g.Check(); }},
        {"restart", [](TGame& g) { return g.Restart(); }},
        {"finished and loaded",
         [&](TGame& g) { return played.Finish(), played.SaveGameFile(path), load(g); }},
        {"puzzle 2 loaded timed",
         [&](TGame& g) {
             return played.DealFind("2"), played.SaveGameFile(path), g.SetTimedGame(true), load(g);
         }},
    };
    EXPECT_TRUE(test::MatchesGoldenFile(Played(loaded, steps), GAME_TEST_DATA "/loaded.txt"));
    EXPECT_EQ(loaded.State().Solution, played.State().Solution);
}

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
