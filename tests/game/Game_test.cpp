// The game's rules without a window: dealing, entering, checking, hints, finishing, progress,
// the verdict, the clock, and what each command reports as changed.
#include "engine/Progress.h"
#include "game/GameTexts.h"
#include "game/TGame.h"

#include "GameTestHelpers.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

TEST(GameDealing, NewDealsInsideTheStartupWindowOfTheSavedLevel) {
    TGame game;
    game.ApplySettings(TSettings{}); // Medium
    game.DealNew();
    const int holes = CountHoles(game.Board());
    EXPECT_TRUE(holes >= 35 && holes <= 48) << holes;
    EXPECT_TRUE(game.GameInProgress() && game.ClockRunning());
    EXPECT_FALSE(game.Display().HelpVisible);
    EXPECT_EQ(game.Display().PuzzlePane, "Puzzle: " + std::to_string(game.State().PuzzleNumber));
    EXPECT_EQ(game.Display().ProgressPane, "Progress: 0 so far, " + std::to_string(holes) + " to go ");
}

TEST(GameDealing, RestartPutsThePuzzleBackAndRestartsTheClock) {
    TGame game = DealtGame();
    const auto [c, r] = First(game.Board());
    game.EnterDigit(c, r, game.State().Solution[c][r].Value % 9 + 1);
    game.Check();
    game.Tick();
    ASSERT_EQ(game.Mark().Col, c);
    game.Restart();
    EXPECT_EQ(game.Board()[c][r].Value, 0);
    EXPECT_TRUE(game.ElapsedSeconds() == 0 && game.Mark().Col == -1 && game.ClockRunning());
    EXPECT_EQ(game.Display().ProgressPane.rfind("Progress: 0 so far", 0), 0u);

    TGame fresh;
    EXPECT_TRUE(fresh.Restart().Empty()) << "nothing dealt: nothing to restart";
    EXPECT_FALSE(fresh.ClockRunning());
}

// The window redraws only what a command reports, so each must report at least what it changed.
TEST(GameChanges, EachCommandReportsWhatItChanged) {
    const auto [c, r] = First(DealtGame().Board());
    // A new board drops the notes and the history.
    const TChanges newBoard = chBoard | chNotes | chHistory;
    const TChanges deal =
        newBoard | chMark | chMarker | chHelp | chProgress | chClockRun | chCommands | chGameStarted;
    const TChanges step = chSquares | chNotes | chHistory; // a digit placed, clearing notes around it
    const struct {
        const char* Name;
        std::function<TChanges(TGame&)> Command;
        TChanges Expected;
    } rows[] = {
        {"deal", [](TGame& g) { return g.DealFind("2"); }, deal},
        {"restart", [](TGame& g) { return g.Restart(); },
         newBoard | chMark | chMarker | chHelp | chProgress | chClockRun},
        {"entry", [&](TGame& g) { return g.EnterDigit(c, r, 5); }, step | chProgress},
        {"erase", [&](TGame& g) { return g.EnterDigit(c, r, 0); }, chSquares | chHistory | chProgress},
        {"entry off the board", [](TGame& g) { return g.EnterDigit(0, 0, 5); }, TChanges()},
        {"picker choice", [&](TGame& g) { return g.ChooseDigit(c, r, 5); },
         step | chProgress | chHelp | chMark},
        {"picker circle", [&](TGame& g) { return g.ChooseDigit(c, r, -1); }, chHelp | chMark},
        {"check", [](TGame& g) { return g.Check(); }, chHelp},
        {"hint", [](TGame& g) { return g.Hint(); }, step | chMark | chMarker | chHelp | chProgress},
        {"finish", [](TGame& g) { return g.Finish(); },
         step | chHelp | chProgress | chClockRun | chGameEnded},
        {"press on the board", [](TGame& g) { return g.PressOnBoard(); }, chMark | chMarker},
        {"marker timeout", [](TGame& g) { return g.MarkerTimeout(); }, chMarker},
        {"tick", [](TGame& g) { return g.Tick(); }, chClock},
        {"untimed", [](TGame& g) { return g.SetTimedGame(false); }, chOptions | chClock},
        {"hilite", [](TGame& g) { return g.SetHiliteCell(false); }, chOptions},
        {"conflicts", [](TGame& g) { return g.SetHiliteErrors(true); }, chOptions},
        {"cursor", [](TGame& g) { return g.MoveCursor(1, 0); }, chCursor},
        {"notes mode", [](TGame& g) { return g.SetNotesMode(true); }, chNotes},
        {"note", [&](TGame& g) { return g.ToggleNote(c, r, 3); }, chNotes | chHistory},
        {"fill notes", [](TGame& g) { return g.FillNotes(); }, chNotes | chHistory},
        {"nothing to undo", [](TGame& g) { return g.Undo() | g.Redo(); }, TChanges()},
        {"pause", [](TGame& g) { return g.SetPaused(true); }, chPaused | chHistory | chClockRun},
    };
    for (const auto& row : rows) {
        TGame game = DealtGame();
        EXPECT_EQ(row.Command(game), row.Expected) << row.Name;
    }
}

TEST(GamePlay, EntriesNeverChangeAGivenAndRecountTheProgress) {
    TGame game = DealtGame();
    const TSquare given = First(game.Board(), true);
    const TCell kept = game.Board()[given.Col][given.Row];
    EXPECT_TRUE(game.EnterDigit(given.Col, given.Row, kept.Value % 9 + 1).Empty());
    EXPECT_TRUE(game.EnterDigit(given.Col, given.Row, 0).Empty());
    EXPECT_EQ(game.Board()[given.Col][given.Row], kept);

    const auto [c, r] = First(game.Board());
    const int holes = CountHoles(game.Board());
    game.EnterDigit(c, r, 7);
    EXPECT_EQ(game.Board()[c][r], (TCell{7, false}));
    EXPECT_EQ(game.Display().ProgressPane, "Progress: 1 so far, " + std::to_string(holes - 1) + " to go ");
    EXPECT_EQ(game.Display().Percentage, ProgressPercentage(1, holes));
    game.EnterDigit(c, r, 0);
    EXPECT_EQ(game.Board()[c][r].Value, 0);
    EXPECT_TRUE(game.EnterDigit(1, 1, 10).Empty());
}

TEST(GamePlay, CheckAndHintMarkAWrongDigitElseCheckSaysOkAndHintGivesASingle) {
    TGame empty;
    empty.Check();
    EXPECT_EQ(empty.Display().HelpText, "Ok so far...");
    EXPECT_TRUE(empty.Display().HelpVisible);

    TGame game = DealtGame();
    const auto [c, r] = First(game.Board());
    const int right = game.State().Solution[c][r].Value;
    game.EnterDigit(c, r, right);
    game.Check();
    EXPECT_EQ(game.Display().HelpText, "Ok so far...");
    EXPECT_EQ(game.Mark().Col, -1);

    const int wrong = right % 9 + 1;
    game.EnterDigit(c, r, wrong);
    game.HideHelp();
    game.Check();
    EXPECT_EQ(game.Display().HelpText, "The number " + std::to_string(wrong) + " does not belong here");
    EXPECT_TRUE(game.Display().HelpVisible);
    EXPECT_TRUE(game.Mark().Col == c && game.Mark().Row == r && !game.Mark().MarkerShown);
    game.PressOnBoard();
    game.Hint();
    EXPECT_TRUE(game.Mark().Col == c && !game.Mark().MarkerShown) << "a hint marks the wrong digit instead";
    EXPECT_EQ(game.Board()[c][r].Value, wrong);

    game.EnterDigit(c, r, 0);
    const int holes = CountHoles(game.Board());
    game.Hint();
    const TGameMark mark = game.Mark();
    ASSERT_GE(mark.Col, 1);
    const TCell hinted = game.Board()[mark.Col][mark.Row];
    EXPECT_EQ(hinted, (TCell{game.State().Solution[mark.Col][mark.Row].Value, false}));
    EXPECT_EQ(game.Display().HelpText,
              "The only possible number that can go here is " + std::to_string(hinted.Value));
    EXPECT_TRUE(mark.MarkerShown && mark.MarkerTimeoutArmed);
    EXPECT_EQ(game.Display().ProgressPane.rfind("Progress: 1 so far, " + std::to_string(holes - 1), 0), 0u)
        << "the hinted digit counts at once";
}

TEST(GamePlay, FinishFillsOneDigitAtATimeAndEndsTheGame) {
    TGame game = DealtGame();
    const int holes = CountHoles(game.Board());
    int steps = 0;
    game.Finish([&](const TBoard& board, const TSquareDigit&) {
        ++steps;
        EXPECT_EQ(CountHoles(board), holes - steps);
    });
    EXPECT_EQ(steps, holes);
    EXPECT_NE(game.Board(), game.State().Solution) << "givens keep their flags";
    EXPECT_TRUE(IsSolved(game.Board()));
    EXPECT_FALSE(game.GameInProgress() || game.ClockRunning());
    EXPECT_EQ(game.Display().HelpText, "Puzzle Complete");

    // Already full: nothing is placed.
    steps = 0;
    game.Finish([&](const TBoard&, const TSquareDigit&) { ++steps; });
    EXPECT_EQ(steps, 0);
}

TEST(GamePlay, TheLastCorrectDigitEndsTheGameAndAWrongFullBoardSaysSo) {
    TGame game = DealtGame();
    for (TSquare s = First(game.Board()); CountHoles(game.Board()) > 1; s = First(game.Board()))
        game.EnterDigit(s.Col, s.Row, game.State().Solution[s.Col][s.Row].Value);
    const auto [c, r] = First(game.Board());
    ASSERT_TRUE(game.GameInProgress());
    const int right = game.State().Solution[c][r].Value;
    game.EnterDigit(c, r, right % 9 + 1);
    EXPECT_EQ(game.Display().HelpText, "There are one or more squares wrong...");
    EXPECT_TRUE(game.GameInProgress() && game.ClockRunning());

    EXPECT_TRUE(game.EnterDigit(c, r, right).Has(chGameEnded));
    EXPECT_EQ(game.Display().HelpText, "Puzzle Complete - Congratulations!");
    EXPECT_TRUE(game.Display().HelpVisible && !game.GameInProgress() && !game.ClockRunning());
    EXPECT_EQ(game.Display().Percentage, 100);
    EXPECT_TRUE(game.Hint().Empty()) << "a hint on the solved board does nothing";
}

TEST(GameClock, ShowsMinutesAndSecondsOrStarsWhenUntimed) {
    const std::pair<int, const char*> rows[] = {
        {59, " 00:59"}, {60, " 01:00"}, {307, " 05:07"}, {3600, " 60:00"}, {6000, " 100:00"}};
    for (const auto& [seconds, text] : rows)
        EXPECT_EQ(TGame::ClockTextFor(seconds), text);

    TGame game;
    for (int tick = 0; tick < 59; ++tick)
        game.Tick();
    EXPECT_EQ(game.Display().ClockText, " 00:59");
    game.SetTimedGame(false);
    EXPECT_EQ(game.Display().ClockText, " * * * ");
    game.Tick();
    EXPECT_EQ(game.Display().ClockText, " * * * ");
    EXPECT_EQ(game.ElapsedSeconds(), 60);
    game.SetTimedGame(true);
    EXPECT_EQ(game.Display().ClockText, " * * * ") << "the time shows from the next tick";
    game.Tick();
    EXPECT_EQ(game.Display().ClockText, " 01:01");
}

TEST(GameSettings, ApplyAndReadBackTheSevenValues) {
    const TSettings settings{false, true, true, false, false, 3, 4711, false};
    TGame game;
    game.ApplySettings(settings);
    EXPECT_EQ(game.CurrentSettings(), settings);
}

} // namespace
