// The keyboard cursor, pencil marks, undo and redo, pause, the notes' companion file and what
// counts for the best times, driven through the game's commands.
#include "game/TGame.h"

#include "GameTestHelpers.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace {

// The cursor, keys and the picker in notes mode, notes and digits, history and pause, step by step
// against what the window shows after each. Digits, erasing and the cursor across deals are played
// through the window's keyboard test.
TEST(GamePlayAids, UsedStepByStep) {
    EXPECT_EQ(TGame().SetPaused(true), TChanges()) << "no game, no pause";
    int digit = 0; // each time two new digits, so that both are steps
    const std::function<TChanges(TGame&)> twoDigitsOneUndone = [&](TGame& g) {
        g.KeyDigit(++digit);
        g.KeyDigit(++digit);
        return g.Undo();
    };
    const std::vector<TStep> steps = {
        {"dealt: no cursor yet", [](TGame&) { return TChanges(); }},
        {"nothing to undo or redo", [](TGame& g) { return g.Undo() | g.Redo(); }},
        {"left wraps", [](TGame& g) { return g.MoveCursor(-1, 0); }},
        {"right wraps", [](TGame& g) { return g.MoveCursor(1, 0); }},
        {"up wraps", [](TGame& g) { return g.MoveCursor(0, -1); }},
        {"down wraps", [](TGame& g) { return g.MoveCursor(0, 1); }},
        {"a 2 on the given (1, 1) under the cursor", [](TGame& g) { return g.KeyDigit(2); }},
        {"0 on the given", [](TGame& g) { return g.KeyDigit(0); }},
        {"notes mode", [](TGame& g) { return g.SetNotesMode(true); }},
        {"a note on the given", [](TGame& g) { return g.KeyDigit(1); }},
        {"down to (1, 2)", [](TGame& g) { return g.MoveCursor(0, 1); }},
        {"notes 2, 7 and 2 again",
         [](TGame& g) {
             g.KeyDigit(2);
             g.KeyDigit(7);
             return g.KeyDigit(2);
         }},
        {"0 clears the notes", [](TGame& g) { return g.KeyDigit(0); }},
        {"the picker's 8 is a note", [](TGame& g) { return g.ChooseDigit(1, 2, 8); }},
        {"a note 5 in (1, 3)", [](TGame& g) { return g.ToggleNote(1, 3, 5); }},
        {"notes mode off", [](TGame& g) { return g.SetNotesMode(false); }},
        {"fill notes", [](TGame& g) { return g.FillNotes(); }},
        {"a 9 in (1, 2) clears the 9s of its row, column and box", [](TGame& g) { return g.KeyDigit(9); }},
        {"undo", [](TGame& g) { return g.Undo(); }},
        {"redo", [](TGame& g) { return g.Redo(); }},
        {"pause", [](TGame& g) { return g.SetPaused(true); }},
        {"paused: a digit, the picker, a key, a note, fill notes, undo, hint, finish",
         [](TGame& g) {
             return g.EnterDigit(1, 3, 3) | g.ChooseDigit(1, 3, 3) | g.KeyDigit(3) | g.ToggleNote(1, 3, 3) |
                    g.FillNotes() | g.Undo() | g.Hint() | g.Finish();
         }},
        {"resume", [](TGame& g) { return g.SetPaused(false); }},
        {"two digits, one undone", twoDigitsOneUndone},
        {"restart: no notes, no history", [](TGame& g) { return g.Restart(); }},
        {"two digits, one undone", twoDigitsOneUndone},
        {"a load starts a new history",
         [](TGame& g) { return g.LoadGameText(FormatSavedGame(g.SavedGame())).Changes; }},
        {"two digits, one undone", twoDigitsOneUndone},
        {"pause", [](TGame& g) { return g.SetPaused(true); }},
        {"find 3 ends the pause and starts a new history", [](TGame& g) { return g.DealFind("3"); }},
    };
    TGame game = DealtGame();
    EXPECT_TRUE(test::MatchesGoldenFile(Played(game, steps), GAME_TEST_DATA "/aids.txt"));
}

// Every kind of change undoes to the position before it and redoes to the one after.
TEST(GameHistory, UndoAndRedoCoverEveryKindOfChange) {
    const TGame dealt = DealtGame();
    const TSquare s = FirstEmpty(dealt.Board());
    const int right = dealt.State().Solution[s.Col][s.Row].Value;
    const auto none = [](TGame&) {};
    const struct {
        const char* Name;
        std::function<void(TGame&)> Before; // kept
        std::function<void(TGame&)> Change; // undone and redone
    } rows[] = {
        {"entry", none, [&](TGame& g) { g.EnterDigit(s.Col, s.Row, right); }},
        {"erase", [&](TGame& g) { g.EnterDigit(s.Col, s.Row, 1); },
         [&](TGame& g) { g.EnterDigit(s.Col, s.Row, 0); }},
        {"picker choice", none, [&](TGame& g) { g.ChooseDigit(s.Col, s.Row, 3); }},
        {"digit key", none, [&](TGame& g) { g.MoveCursor(s.Col - 1, s.Row - 1), g.KeyDigit(right); }},
        {"note", none, [&](TGame& g) { g.ToggleNote(s.Col, s.Row, 5); }},
        {"fill notes", none, [](TGame& g) { g.FillNotes(); }},
        {"digit clearing notes", [](TGame& g) { g.FillNotes(); },
         [&](TGame& g) { g.EnterDigit(s.Col, s.Row, right); }},
        {"hint", none, [](TGame& g) { g.Hint(); }},
        {"finish, as one step", none, [](TGame& g) { g.Finish(); }},
        {"the last digit", none, [](TGame& g) { SolveByHand(g); }},
    };
    const auto position = [](const TGame& g) { return std::make_pair(g.Board(), g.Notes()); };
    for (const auto& row : rows) {
        TGame game = dealt;
        row.Before(game);
        const auto before = position(game);
        row.Change(game);
        const auto after = position(game);
        ASSERT_NE(after, before) << row.Name;
        game.Undo();
        const bool last = row.Name == std::string("the last digit");
        if (last) game.Undo(); // back one more, to check the state
        EXPECT_TRUE(last || position(game) == before) << row.Name;
        EXPECT_TRUE(game.GameInProgress() && game.ClockRunning() && game.CanRedo())
            << row.Name << ": undone, the game goes on";
        EXPECT_FALSE(game.Mark().MarkerShown || game.Mark().Col > 0)
            << row.Name << ": no frame on an undone hint";
        if (last) continue;
        game.Redo();
        EXPECT_TRUE(position(game) == after && !game.CanRedo()) << row.Name;
    }
}

// Only the player's own completion counts for the best times ("record"), and only once: solving
// again after an undo does not count twice.
TEST(GameRecords, OnlyThePlayersOwnCompletionCountsAndOnlyOnce) {
    const TStep level3 = {"level 3, 75 seconds", [](TGame& g) {
                              TChanges changes = g.DealLevel(3);
                              for (int i = 0; i < 75; ++i)
                                  changes |= g.Tick();
                              return changes;
                          }};
    const TStep again = {"undone, solved again", [](TGame& g) {
                             g.Undo();
                             return SolveByHand(g);
                         }};
    const auto load = [](TGame& g) { return g.LoadGameText(FormatSavedGame(g.SavedGame())).Changes; };
    const TStep plays[] = {
        {"solved by hand", [](TGame& g) { return SolveByHand(g); }},
        {"a hint, solved by hand", [](TGame& g) { return g.Hint(), SolveByHand(g); }},
        {"finished by the program", [](TGame& g) { return g.Finish(); }},
        {"finished, undone, solved by hand", [](TGame& g) { return g.Finish(), g.Undo(), SolveByHand(g); }},
        {"finished, restarted, a second, solved by hand",
         [](TGame& g) { return g.Finish(), g.Restart(), g.Tick(), SolveByHand(g); }},
        {"loaded without its notes, solved by hand", [&](TGame& g) { return load(g), SolveByHand(g); }},
        {"loaded with its notes, solved by hand",
         [&](TGame& g) {
             const TNotesFile notes = g.NotesFile();
             return load(g), g.RestoreNotes(notes), SolveByHand(g);
         }},
    };
    std::vector<TStep> steps;
    for (const TStep& play : plays)
        steps.insert(steps.end(), {level3, play, again});
    TGame game;
    game.ApplySettings(TSettings{});
    EXPECT_TRUE(test::MatchesGoldenFile(Played(game, steps), GAME_TEST_DATA "/records.txt"));
}

// Notes come back only with their own game: another puzzle, or the same one with one more digit,
// is another game. Each damaged form of the file is the notes' own tests' business.
TEST(GameNotesFile, LoadRestoresTheNotesOnlyForTheirOwnGame) {
    const test::TempFolder folder;
    const std::string path = folder.File("velmora-puzzle.notes");
    TGame game = DealtGame();
    game.FillNotes();
    ASSERT_TRUE(game.SaveNotesFile(path));
    const std::string notes = test::ReadWholeFile(path), saved = FormatSavedGame(game.SavedGame());
    TGame changed = game;
    changed.EnterDigit(1, 2, 1);
    const struct {
        const char* Name;
        std::string Saved, Notes;
        bool Restored;
    } rows[] = {
        {"its own game", saved, notes, true},
        {"another puzzle", FormatSavedGame(DealtGame("5").SavedGame()), notes, false},
        {"the same puzzle with one more digit", FormatSavedGame(changed.SavedGame()), notes, false},
        {"a damaged notes file", saved, "Velmora notes 1\r\n", false},
    };
    for (const auto& row : rows) {
        test::WriteWholeFile(path, row.Notes);
        TGame loaded;
        loaded.LoadGameText(row.Saved);
        loaded.LoadNotesFile(path);
        EXPECT_EQ(loaded.Notes(), row.Restored ? game.Notes() : TNotes{}) << row.Name;
        EXPECT_EQ(loaded.GameLevel(), row.Restored ? 2 : 0) << row.Name;
    }
}

} // namespace
