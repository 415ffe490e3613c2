// The game's rules without a window: dealing, entering, checking, hints, finishing, progress,
// the verdict and the clock.
#include "engine/Progress.h"
#include "game/GameTexts.h"
#include "game/TGame.h"

#include <gtest/gtest.h>

#include <string>

namespace {

int CountHoles(const TBoard& board) {
    int holes = 0;
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            holes += board[c][r].Value == 0;
    return holes;
}

// The first empty square, column-major.
bool FirstEmpty(const TBoard& board, int& col, int& row) {
    for (col = 1; col <= 9; ++col)
        for (row = 1; row <= 9; ++row)
            if (board[col][row].Value == 0) return true;
    return false;
}

TGame DealtGame(std::string_view number = "1") {
    TGame game;
    game.ApplySettings(TSettings{});
    game.DealFind(number);
    return game;
}

TEST(GameDealing, StartsEmptyAskingForALevelWithTheCommandsOff) {
    TGame game;
    EXPECT_EQ(game.HelpText, GameTexts::ChooseLevel);
    EXPECT_TRUE(game.HelpVisible);
    EXPECT_EQ(game.PuzzlePane, GameTexts::InitialPuzzlePane);
    EXPECT_EQ(game.ProgressPane, GameTexts::InitialProgressPane);
    EXPECT_EQ(game.ClockText, GameTexts::InitialClock);
    EXPECT_FALSE(game.PostEnabled || game.HelpEnabled || game.FinishEnabled);
    EXPECT_FALSE(game.GameInProgress);
    EXPECT_FALSE(game.ClockRunning);
    EXPECT_EQ(game.Random.RandomSeed, 1u);
    EXPECT_EQ(CountHoles(game.State.Board), 81);
}

TEST(GameDealing, NewDealsInsideTheStartupWindowOfTheSavedLevel) {
    TGame game;
    TSettings settings;
    settings.Difficulty = 2;
    game.ApplySettings(settings);
    EXPECT_EQ(game.State.MinHoles, 35);
    EXPECT_EQ(game.State.MaxHoles, 48);
    game.DealNew();
    const int holes = CountHoles(game.State.Board);
    EXPECT_GE(holes, 35);
    EXPECT_LE(holes, 48);
    EXPECT_TRUE(game.GameInProgress);
    EXPECT_TRUE(game.ClockRunning);
    EXPECT_TRUE(game.PostEnabled && game.HelpEnabled && game.FinishEnabled);
    EXPECT_FALSE(game.HelpVisible);
    EXPECT_EQ(game.PuzzlePane, "Puzzle: " + std::to_string(game.State.PuzzleNumber));
    EXPECT_EQ(game.ProgressPane, "Progress: 0 so far, " + std::to_string(holes) + " to go ");
    // Every dealt digit is a given and matches the solution.
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) {
            const TCell& cell = game.State.Board[c][r];
            EXPECT_EQ(cell.Given, cell.Value != 0);
            if (cell.Value != 0) {
                EXPECT_EQ(cell.Value, game.State.Solution[c][r].Value);
            }
        }
}

TEST(GameDealing, LevelButtonsUseTheirOwnWindowAndTheSameNumberDealsTheSamePuzzle) {
    TGame game;
    game.ApplySettings(TSettings{});
    game.DealLevel(3);
    EXPECT_EQ(game.State.Difficulty, 3);
    EXPECT_EQ(game.State.MinHoles, 48);
    EXPECT_EQ(game.State.MaxHoles, 81);
    EXPECT_GE(CountHoles(game.State.Board), 48);

    const TBoard first = game.State.Board;
    const std::string number = std::to_string(game.State.PuzzleNumber);
    game.DealRandomPuzzle();
    game.DealFind(number);
    EXPECT_EQ(game.State.Board, first);
}

TEST(GameDealing, FindTurnsBadTextIntoPuzzleOne) {
    const TBoard one = DealtGame("1").State.Board;
    for (const char* text : {"0", "-5", "abc", "", "2147483648"}) {
        const TGame game = DealtGame(text);
        EXPECT_EQ(game.State.PuzzleNumber, 1) << text;
        EXPECT_EQ(game.State.Board, one) << text;
    }
    EXPECT_EQ(DealtGame("2147483647").State.PuzzleNumber, 2147483647);
}

TEST(GameDealing, RestartPutsThePuzzleBackAndRestartsTheClock) {
    TGame game = DealtGame();
    int c = 0, r = 0;
    ASSERT_TRUE(FirstEmpty(game.State.Board, c, r));
    ASSERT_TRUE(game.EnterDigit(c, r, 5));
    game.Tick();
    game.MarkCol = c;
    game.MarkRow = r;
    game.Restart();
    EXPECT_EQ(game.State.Board[c][r].Value, 0);
    EXPECT_EQ(game.ElapsedSeconds, 0);
    EXPECT_EQ(game.MarkCol, -1);
    EXPECT_TRUE(game.ClockRunning);
    EXPECT_EQ(game.ProgressPane.rfind("Progress: 0 so far", 0), 0u);

    TGame fresh;
    fresh.Restart();
    EXPECT_EQ(CountHoles(fresh.State.Board), 81);
    EXPECT_TRUE(fresh.ClockRunning);
    EXPECT_FALSE(fresh.GameInProgress);
}

TEST(GamePlay, EntriesNeverChangeAGivenAndRecountTheProgress) {
    TGame game = DealtGame();
    int gc = 0, gr = 0;
    for (gc = 1; gc <= 9 && !game.State.Board[gc][1].Given; ++gc) {
    }
    gr = 1;
    ASSERT_LE(gc, 9);
    const TCell given = game.State.Board[gc][gr];
    EXPECT_FALSE(game.EnterDigit(gc, gr, given.Value % 9 + 1));
    EXPECT_FALSE(game.EnterDigit(gc, gr, 0));
    EXPECT_EQ(game.State.Board[gc][gr], given);

    int c = 0, r = 0;
    ASSERT_TRUE(FirstEmpty(game.State.Board, c, r));
    const int holes = CountHoles(game.State.Board);
    EXPECT_TRUE(game.EnterDigit(c, r, 7));
    EXPECT_EQ(game.State.Board[c][r], (TCell{7, false}));
    EXPECT_EQ(game.ProgressPane, "Progress: 1 so far, " + std::to_string(holes - 1) + " to go ");
    EXPECT_EQ(game.Percentage, ProgressPercentage(1, holes));
    EXPECT_TRUE(game.EnterDigit(c, r, 0));
    EXPECT_EQ(game.State.Board[c][r].Value, 0);
    EXPECT_FALSE(game.EnterDigit(0, 1, 5));
    EXPECT_FALSE(game.EnterDigit(1, 1, 10));
}

TEST(GamePlay, CheckMarksTheWrongDigitOrSaysOkSoFar) {
    TGame empty;
    empty.Check();
    EXPECT_EQ(empty.HelpText, "Ok so far...");
    EXPECT_TRUE(empty.HelpVisible);

    TGame game = DealtGame();
    int c = 0, r = 0;
    ASSERT_TRUE(FirstEmpty(game.State.Board, c, r));
    const int right = game.State.Solution[c][r].Value;
    game.EnterDigit(c, r, right);
    game.Check();
    EXPECT_EQ(game.HelpText, "Ok so far...");
    EXPECT_EQ(game.MarkCol, -1);

    const int wrong = right % 9 + 1;
    game.EnterDigit(c, r, wrong);
    game.HelpVisible = false;
    game.Check();
    EXPECT_EQ(game.HelpText, "The number " + std::to_string(wrong) + " does not belong here");
    EXPECT_TRUE(game.HelpVisible);
    EXPECT_EQ(game.MarkCol, c);
    EXPECT_EQ(game.MarkRow, r);
    EXPECT_FALSE(game.MarkerShown);
}

TEST(GamePlay, HintReportsAWrongDigitBeforeGivingASingle) {
    TGame game = DealtGame();
    int c = 0, r = 0;
    ASSERT_TRUE(FirstEmpty(game.State.Board, c, r));
    const int wrong = game.State.Solution[c][r].Value % 9 + 1;
    game.EnterDigit(c, r, wrong);
    game.MarkerTimeout();
    game.Hint();
    EXPECT_EQ(game.HelpText, "The number " + std::to_string(wrong) + " does not belong here");
    EXPECT_EQ(game.MarkCol, c);
    EXPECT_FALSE(game.MarkerShown);
    EXPECT_EQ(game.State.Board[c][r].Value, wrong);

    game.EnterDigit(c, r, 0);
    const TBoard before = game.State.Board;
    const std::string progress = game.ProgressPane;
    game.Hint();
    ASSERT_GE(game.MarkCol, 1);
    const TCell hinted = game.State.Board[game.MarkCol][game.MarkRow];
    EXPECT_EQ(before[game.MarkCol][game.MarkRow].Value, 0);
    EXPECT_FALSE(hinted.Given);
    EXPECT_EQ(hinted.Value, game.State.Solution[game.MarkCol][game.MarkRow].Value);
    EXPECT_EQ(game.HelpText, "The only possible number that can go here is " + std::to_string(hinted.Value));
    EXPECT_TRUE(game.MarkerShown);
    EXPECT_TRUE(game.MarkerTimeoutArmed);
    EXPECT_EQ(game.ProgressPane, progress) << "a hint is counted at the next entry";

    game.MarkerTimeout();
    EXPECT_FALSE(game.MarkerShown);
    EXPECT_GE(game.MarkCol, 1) << "the mark stays after the marker hides";
    game.PressOnBoard();
    EXPECT_EQ(game.MarkCol, -1);
}

TEST(GamePlay, FinishFillsOneDigitAtATimeAndEndsTheGame) {
    TGame game = DealtGame();
    const int holes = CountHoles(game.State.Board);
    int steps = 0;
    int lastHoles = holes;
    game.Finish([&](const TBoard& board, const TSquareDigit&) {
        ++steps;
        EXPECT_EQ(CountHoles(board), lastHoles - 1);
        lastHoles = CountHoles(board);
    });
    EXPECT_EQ(steps, holes);
    EXPECT_EQ(game.State.Board == game.State.Solution, false) << "givens keep their flags";
    EXPECT_TRUE(IsSolved(game.State.Board));
    EXPECT_FALSE(game.GameInProgress);
    EXPECT_FALSE(game.ClockRunning);
    EXPECT_EQ(game.HelpText, "Puzzle Complete");

    // Already full: nothing is placed, the game still ends.
    game.GameInProgress = true;
    steps = 0;
    game.Finish([&](const TBoard&, const TSquareDigit&) { ++steps; });
    EXPECT_EQ(steps, 0);
    EXPECT_FALSE(game.GameInProgress);
}

TEST(GamePlay, TheLastCorrectDigitEndsTheGameAndAWrongFullBoardSaysSo) {
    TGame game = DealtGame();
    int c = 0, r = 0;
    while (FirstEmpty(game.State.Board, c, r)) {
        int nc = c, nr = r;
        TBoard probe = game.State.Board;
        probe[c][r].Value = 1;
        if (!FirstEmpty(probe, nc, nr)) break; // (c, r) is the last empty square
        game.EnterDigit(c, r, game.State.Solution[c][r].Value);
    }
    ASSERT_TRUE(game.GameInProgress);
    const int right = game.State.Solution[c][r].Value;
    game.EnterDigit(c, r, right % 9 + 1);
    EXPECT_EQ(game.HelpText, "There are one or more squares wrong...");
    EXPECT_TRUE(game.GameInProgress);
    EXPECT_TRUE(game.ClockRunning);

    game.EnterDigit(c, r, right);
    EXPECT_EQ(game.HelpText, "Puzzle Complete - Congratulations!");
    EXPECT_TRUE(game.HelpVisible);
    EXPECT_FALSE(game.GameInProgress);
    EXPECT_FALSE(game.ClockRunning);
    EXPECT_EQ(game.Percentage, 100);

    // A hint on the solved board does nothing.
    const std::string help = game.HelpText;
    game.Hint();
    EXPECT_EQ(game.HelpText, help);
}

TEST(GameClock, ShowsMinutesAndSecondsOrStarsWhenUntimed) {
    EXPECT_EQ(TGame::ClockTextFor(59), " 00:59");
    EXPECT_EQ(TGame::ClockTextFor(60), " 01:00");
    EXPECT_EQ(TGame::ClockTextFor(307), " 05:07");
    EXPECT_EQ(TGame::ClockTextFor(3600), " 60:00");
    EXPECT_EQ(TGame::ClockTextFor(6000), " 100:00");

    TGame game;
    game.ElapsedSeconds = 58;
    game.Tick();
    EXPECT_EQ(game.ClockText, " 00:59");
    game.SetTimedGame(false);
    EXPECT_EQ(game.ClockText, " * * * ");
    game.Tick();
    EXPECT_EQ(game.ClockText, " * * * ");
    EXPECT_EQ(game.ElapsedSeconds, 60);
    game.SetTimedGame(true);
    EXPECT_EQ(game.ClockText, " * * * ") << "the time shows from the next tick";
    game.Tick();
    EXPECT_EQ(game.ClockText, " 01:01");
}

TEST(GameSettings, ApplyAndReadBackTheSevenValues) {
    TSettings settings;
    settings.HiliteRowAndColumn = false;
    settings.HiliteErrors = true;
    settings.TimedGame = false;
    settings.Difficulty = 3;
    settings.Current = 4711;
    TGame game;
    game.ApplySettings(settings);
    EXPECT_EQ(game.State.MinHoles, 48);
    EXPECT_EQ(game.State.MaxHoles, 52);
    EXPECT_EQ(game.CurrentSettings(), settings);
    game.DealLevel(1);
    EXPECT_EQ(game.CurrentSettings().Difficulty, 1);
    EXPECT_EQ(game.CurrentSettings().Current, game.State.PuzzleNumber);
}

} // namespace
