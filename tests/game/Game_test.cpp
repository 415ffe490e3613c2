// The game's rules without a window: dealing, entering, checking, hints, finishing, progress,
// the verdict, the clock, and what each command reports as changed.
#include "engine/Progress.h"
#include "game/TGame.h"

#include "TestFiles.h"

#include "GameTestHelpers.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// A game played through the commands, step by step, against what each command reported as
// changed (the window redraws only that) and what the window shows after it.
TEST(GamePlay, PlayedStepByStep) {
    TSquare last; // the square left empty by the player's hand
    const auto right = [](TGame& g, TSquare s) { return g.State().Solution[s.Col][s.Row].Value; };
    const auto finish = [](int expectedSteps) {
        return [expectedSteps](TGame& g) {
            const int holes = CountProgress(g.Board()).ToGo;
            int steps = 0;
            const TChanges changes = g.Finish([&](const TBoard& board, const TSquareDigit&) {
                EXPECT_EQ(CountProgress(board).ToGo, holes - ++steps) << "one digit at a time";
            });
            EXPECT_EQ(steps, expectedSteps);
            return changes;
        };
    };
    const std::vector<TStep> steps = {
        {"check before any deal", [](TGame& g) { return g.Check(); }},
        {"restart before any deal", [](TGame& g) { return g.Restart(); }},
        {"new, in the start-up window of Medium", [](TGame& g) { return g.DealNew(); }},
        {"find 1", [](TGame& g) { return g.DealFind("1"); }},
        {"a digit on the given (1, 1)", [](TGame& g) { return g.EnterDigit(1, 1, 2); }},
        {"erasing the given (1, 1)", [](TGame& g) { return g.EnterDigit(1, 1, 0); }},
        {"a 10 in (1, 2)", [](TGame& g) { return g.EnterDigit(1, 2, 10); }},
        {"a digit off the board", [](TGame& g) { return g.EnterDigit(0, 0, 5); }},
        {"the right 9 in (1, 2)", [](TGame& g) { return g.EnterDigit(1, 2, 9); }},
        {"check", [](TGame& g) { return g.Check(); }},
        {"a wrong 1 in (1, 2)", [](TGame& g) { return g.EnterDigit(1, 2, 1); }},
        {"hide the help line", [](TGame& g) { return g.HideHelp(); }},
        {"check marks the wrong digit", [](TGame& g) { return g.Check(); }},
        {"press on the board", [](TGame& g) { return g.PressOnBoard(); }},
        {"a hint marks the wrong digit instead", [](TGame& g) { return g.Hint(); }},
        {"erasing (1, 2) hides the help about it", [](TGame& g) { return g.EnterDigit(1, 2, 0); }},
        {"the picker's circle", [](TGame& g) { return g.ChooseDigit(1, 2, -1); }},
        {"a hint places a single and counts it", [](TGame& g) { return g.Hint(); }},
        {"the marker times out", [](TGame& g) { return g.MarkerTimeout(); }},
        {"the picker's 3 in (1, 3)", [](TGame& g) { return g.ChooseDigit(1, 3, 3); }},
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
        {"the square under the pointer not tinted", [](TGame& g) { return g.SetHiliteCell(false); }},
        {"clashing digits shown", [](TGame& g) { return g.SetHiliteErrors(true); }},
        {"restart", [](TGame& g) { return g.Restart(); }},
        {"finish, one digit at a time", finish(38)},
        {"finish on the full board", finish(0)},
        {"find 1 again", [](TGame& g) { return g.DealFind("1"); }},
        {"all but the last square by hand",
         [&](TGame& g) {
             TChanges changes;
             for (last = FirstEmpty(g.Board()); CountProgress(g.Board()).ToGo > 1;
                  last = FirstEmpty(g.Board()))
                 changes |= g.EnterDigit(last.Col, last.Row, right(g, last));
             return changes;
         }},
        {"a wrong last digit",
         [&](TGame& g) { return g.EnterDigit(last.Col, last.Row, right(g, last) % 9 + 1); }},
        {"the right last digit", [&](TGame& g) { return g.EnterDigit(last.Col, last.Row, right(g, last)); }},
        {"a hint on the solved board", [](TGame& g) { return g.Hint(); }},
    };
    TGame game;
    game.ApplySettings(TSettings{});
    EXPECT_TRUE(test::MatchesGoldenFile(Played(game, steps), GAME_TEST_DATA "/played.txt"));
    EXPECT_NE(game.Board(), game.State().Solution) << "givens keep their flags";
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
