// The game's rules without a window: dealing, entering, checking, hints, finishing, progress,
// the verdict, the clock, and what each command reports as changed.
#include "engine/Progress.h"
#include "game/GameTexts.h"
#include "game/TGame.h"

#include "TestFiles.h"

#include "GameTestHelpers.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

// A game played through the commands, step by step, against what the window shows after each.
TEST(GamePlay, PlayedStepByStep) {
    TSquare last; // the square left empty by the player's hand
    const auto right = [](TGame& g, TSquare s) { return g.State().Solution[s.Col][s.Row].Value; };
    const struct {
        const char* Name;
        std::function<TChanges(TGame&)> Command;
    } steps[] = {
        {"check before any deal", [](TGame& g) { return g.Check(); }},
        {"restart before any deal", [](TGame& g) { return g.Restart(); }},
        {"new, in the start-up window of Medium", [](TGame& g) { return g.DealNew(); }},
        {"find 1", [](TGame& g) { return g.DealFind("1"); }},
        {"a digit on the given (1, 1)", [](TGame& g) { return g.EnterDigit(1, 1, 2); }},
        {"erasing the given (1, 1)", [](TGame& g) { return g.EnterDigit(1, 1, 0); }},
        {"a 10 in (1, 2)", [](TGame& g) { return g.EnterDigit(1, 2, 10); }},
        {"the right 9 in (1, 2)", [](TGame& g) { return g.EnterDigit(1, 2, 9); }},
        {"check", [](TGame& g) { return g.Check(); }},
        {"a wrong 1 in (1, 2)", [](TGame& g) { return g.EnterDigit(1, 2, 1); }},
        {"hide the help line", [](TGame& g) { return g.HideHelp(); }},
        {"check marks the wrong digit", [](TGame& g) { return g.Check(); }},
        {"press on the board", [](TGame& g) { return g.PressOnBoard(); }},
        {"a hint marks the wrong digit instead", [](TGame& g) { return g.Hint(); }},
        {"erase (1, 2)", [](TGame& g) { return g.EnterDigit(1, 2, 0); }},
        {"a hint places a single and counts it", [](TGame& g) { return g.Hint(); }},
        {"59 seconds",
         [](TGame& g) {
             for (int tick = 0; tick < 58; ++tick)
                 g.Tick();
             return g.Tick();
         }},
        {"untimed", [](TGame& g) { return g.SetTimedGame(false); }},
        {"a second untimed", [](TGame& g) { return g.Tick(); }},
        {"timed: the time shows from the next tick", [](TGame& g) { return g.SetTimedGame(true); }},
        {"a second", [](TGame& g) { return g.Tick(); }},
        {"restart", [](TGame& g) { return g.Restart(); }},
        {"all but the last square by hand",
         [&](TGame& g) {
             TChanges changes;
             for (last = First(g.Board()); CountHoles(g.Board()) > 1; last = First(g.Board()))
                 changes |= g.EnterDigit(last.Col, last.Row, right(g, last));
             return changes;
         }},
        {"a wrong last digit",
         [&](TGame& g) { return g.EnterDigit(last.Col, last.Row, right(g, last) % 9 + 1); }},
        {"the right last digit",
         [&](TGame& g) {
             const TChanges changes = g.EnterDigit(last.Col, last.Row, right(g, last));
             EXPECT_TRUE(changes.Has(chGameEnded));
             return changes;
         }},
        {"a hint on the solved board", [](TGame& g) { return g.Hint(); }},
    };
    TGame game;
    game.ApplySettings(TSettings{});
    std::string shown;
    for (const auto& step : steps)
        shown += step.Name + std::string(": ") + Shown(game, step.Command(game));
    EXPECT_TRUE(test::MatchesGoldenFile(shown, GAME_TEST_DATA "/played.txt"));
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

TEST(GameClock, ShowsMinutesAndSeconds) {
    const std::pair<int, const char*> rows[] = {
        {59, " 00:59"}, {60, " 01:00"}, {307, " 05:07"}, {3600, " 60:00"}, {6000, " 100:00"}};
    for (const auto& [seconds, text] : rows)
        EXPECT_EQ(TGame::ClockTextFor(seconds), text);
}

TEST(GameSettings, ApplyAndReadBackTheSevenValues) {
    const TSettings settings{false, true, true, false, false, 3, 4711, false};
    TGame game;
    game.ApplySettings(settings);
    EXPECT_EQ(game.CurrentSettings(), settings);
}

} // namespace
