// The keyboard cursor, pencil marks, undo and redo, pause, the notes' companion file and what
// counts for the best times, driven through the game's commands.
#include "game/TGame.h"

#include "GameTestHelpers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace {

void MoveCursorTo(TGame& game, TSquare square) {
    game.MoveCursor(square.Col - game.Cursor().Col, square.Row - game.Cursor().Row);
}

// Digits, erasing and the cursor across deals are played through the window's keyboard test.
TEST(GameKeyboard, NotesModeDigitKeysMarkEmptySquaresAndNeverAGiven) {
    TGame game = DealtGame();
    const TSquare empty = First(game.Board());
    const TSquare given = First(game.Board(), true);
    MoveCursorTo(game, given);
    const TCell kept = game.Board()[given.Col][given.Row];
    game.KeyDigit(kept.Value % 9 + 1);
    game.KeyDigit(0);
    game.SetNotesMode(true);
    game.KeyDigit(1);
    EXPECT_EQ(game.Board()[given.Col][given.Row], kept);
    EXPECT_EQ(game.Notes().At(given.Col, given.Row), 0);

    // In notes mode digits toggle marks; 0 then clears the marks of an empty square.
    MoveCursorTo(game, empty);
    game.KeyDigit(2);
    game.KeyDigit(7);
    game.KeyDigit(2);
    EXPECT_EQ(game.Notes().At(empty.Col, empty.Row), 1u << 6);
    EXPECT_EQ(game.Board()[empty.Col][empty.Row].Value, 0);
    game.KeyDigit(0);
    EXPECT_EQ(game.Notes().At(empty.Col, empty.Row), 0);
    // The picker follows the mode too; its erase symbol still erases.
    game.ChooseDigit(empty.Col, empty.Row, 8);
    EXPECT_EQ(game.Notes().At(empty.Col, empty.Row), 1u << 7);
    EXPECT_EQ(game.Board()[empty.Col][empty.Row].Value, 0);
}

// Which marks go is the notes' own tests' business; here that the game asks for it.
TEST(GameNotes, PlacedDigitsClearTheirUnitsAndFillGivesTheCandidates) {
    TGame game = DealtGame();
    game.FillNotes();
    const TSquare s = First(game.Board());
    const int digit = game.State().Solution[s.Col][s.Row].Value;
    EXPECT_EQ(game.Notes().At(s.Col, s.Row), CandidatesAt(game.Board(), s.Col, s.Row));
    game.EnterDigit(s.Col, s.Row, digit);
    for (int k = 1; k <= 9; ++k)
        EXPECT_FALSE(game.Notes().At(k, s.Row) & (1u << (digit - 1))) << "row, column " << k;
    game.Restart();
    EXPECT_TRUE(game.Notes().Empty()) << "a new board has no notes";
}

// Every kind of change undoes to the position before it and redoes to the one after.
TEST(GameHistory, UndoAndRedoCoverEveryKindOfChange) {
    const TGame dealt = DealtGame();
    const TSquare s = First(dealt.Board());
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
        {"digit key", none, [&](TGame& g) { MoveCursorTo(g, s), g.KeyDigit(right); }},
        {"note", none, [&](TGame& g) { g.ToggleNote(s.Col, s.Row, 5); }},
        {"fill notes", none, [](TGame& g) { g.FillNotes(); }},
        {"digit clearing notes", [](TGame& g) { g.FillNotes(); },
         [&](TGame& g) { g.EnterDigit(s.Col, s.Row, right); }},
        {"hint", none, [](TGame& g) { g.Hint(); }},
        {"finish, as one step", none, [](TGame& g) { g.Finish(); }},
        {"the last digit", none, [](TGame& g) { SolveByHand(g); }},
    };
    for (const auto& row : rows) {
        TGame game = dealt;
        row.Before(game);
        const TBoard board = game.Board();
        const TNotes notes = game.Notes();
        row.Change(game);
        const TBoard changedBoard = game.Board();
        const TNotes changedNotes = game.Notes();
        ASSERT_TRUE(changedBoard != board || !(changedNotes == notes)) << row.Name;
        game.Undo();
        if (row.Name == std::string("the last digit"))
            game.Undo(); // back one more, to check the state
        else {
            EXPECT_EQ(game.Board(), board) << row.Name;
            EXPECT_EQ(game.Notes(), notes) << row.Name;
        }
        EXPECT_TRUE(game.GameInProgress()) << row.Name << ": undone, the game goes on";
        EXPECT_TRUE(game.ClockRunning()) << row.Name;
        EXPECT_TRUE(game.CanRedo()) << row.Name;
        EXPECT_FALSE(game.Mark().MarkerShown || game.Mark().Col > 0)
            << row.Name << ": no frame on an undone hint";
        if (row.Name == std::string("the last digit")) continue;
        game.Redo();
        EXPECT_EQ(game.Board(), changedBoard) << row.Name;
        EXPECT_EQ(game.Notes(), changedNotes) << row.Name;
        EXPECT_FALSE(game.CanRedo()) << row.Name;
    }
}

TEST(GameHistory, ADealARestartOrALoadStartsANewHistory) {
    TGame game = DealtGame();
    const TSquare s = First(game.Board());
    const std::string saved = FormatSavedGame(game.SavedGame());
    const std::function<void(TGame&)> fresh[] = {
        [](TGame& g) { g.DealFind("3"); },
        [](TGame& g) { g.Restart(); },
        [&](TGame& g) { g.LoadGameText(saved); },
    };
    for (const auto& start : fresh) {
        game.EnterDigit(s.Col, s.Row, 1);
        game.EnterDigit(s.Col, s.Row, 2);
        game.Undo();
        ASSERT_TRUE(game.CanUndo() && game.CanRedo());
        start(game);
        EXPECT_FALSE(game.CanUndo() || game.CanRedo());
        game.DealFind("1");
    }
}

TEST(GamePause, StopsTheClockAndTheBoardUntilResumed) {
    TGame fresh;
    EXPECT_EQ(fresh.SetPaused(true), TChanges()) << "no game, no pause";
    TGame game = DealtGame();
    const TSquare s = First(game.Board());
    game.EnterDigit(s.Col, s.Row, 1);
    ASSERT_TRUE(game.SetPaused(true).Has(chPaused));
    EXPECT_TRUE(game.Paused());
    EXPECT_FALSE(game.ClockRunning());
    const TBoard board = game.Board();
    const std::function<TChanges(TGame&)> blocked[] = {
        [&](TGame& g) { return g.EnterDigit(s.Col, s.Row, 2); },
        [&](TGame& g) { return g.ChooseDigit(s.Col, s.Row, 2); },
        [](TGame& g) { return g.KeyDigit(2); },
        [&](TGame& g) { return g.ToggleNote(s.Col, s.Row, 2); },
        [](TGame& g) { return g.FillNotes(); },
        [](TGame& g) { return g.Undo(); },
        [](TGame& g) { return g.Hint(); },
        [](TGame& g) { return g.Finish(); },
    };
    for (const auto& command : blocked)
        command(game);
    EXPECT_EQ(game.Board(), board);
    EXPECT_TRUE(game.Notes().Empty());
    EXPECT_TRUE(game.GameInProgress());
    game.SetPaused(false);
    EXPECT_TRUE(game.ClockRunning());
    EXPECT_TRUE(game.CanUndo());

    game.SetPaused(true);
    game.DealFind("2");
    EXPECT_FALSE(game.Paused()) << "a new deal ends the pause";
    EXPECT_TRUE(game.ClockRunning());
}

TEST(GameRecords, OnlyThePlayersOwnCompletionCountsAndOnlyOnce) {
    const struct {
        const char* Name;
        std::function<void(TGame&)> Play;
        bool Counts;
    } rows[] = {
        {"solved by hand", [](TGame& g) { SolveByHand(g); }, true},
        {"with a hint", [](TGame& g) { g.Hint(), SolveByHand(g); }, true},
        {"finished by the program", [](TGame& g) { g.Finish(); }, false},
        {"finish undone, then solved", [](TGame& g) { g.Finish(), g.Undo(), SolveByHand(g); }, false},
        {"finish, then a restart (the clock starts again)",
         [](TGame& g) { g.Finish(), g.Restart(), g.Tick(), SolveByHand(g); }, true},
        {"loaded without its notes",
         [](TGame& g) { g.LoadGameText(FormatSavedGame(g.SavedGame())), SolveByHand(g); }, false},
        {"loaded with its notes",
         [](TGame& g) {
             const TNotesFile notes = g.NotesFile();
             g.LoadGameText(FormatSavedGame(g.SavedGame()));
             g.RestoreNotes(notes);
             SolveByHand(g);
         },
         true},
    };
    for (const auto& row : rows) {
        TGame game;
        game.ApplySettings(TSettings{});
        game.DealLevel(3);
        for (int i = 0; i < 75; ++i)
            game.Tick();
        const int elapsed = game.ElapsedSeconds();
        row.Play(game);
        EXPECT_EQ(game.CountedGame().Level == 3, row.Counts) << row.Name;
        if (row.Counts) {
            EXPECT_EQ(game.CountedGame().Seconds, std::min(elapsed, game.ElapsedSeconds())) << row.Name;
        }
        // Solving again after an undo does not count twice.
        const int level = game.CountedGame().Level;
        game.Undo();
        SolveByHand(game);
        EXPECT_FALSE(game.CountsForRecords()) << row.Name;
        EXPECT_EQ(game.CountedGame().Level, level) << row.Name;
    }
}

TEST(GameNotesFile, LoadRestoresTheNotesOnlyForTheirOwnGame) {
    const std::string path = testing::TempDir() + "velmora-game-notes-test.notes";
    TGame game = DealtGame();
    game.FillNotes();
    const TNotes notes = game.Notes();
    const std::string saved = FormatSavedGame(game.SavedGame());
    ASSERT_TRUE(game.SaveNotesFile(path));

    TGame loaded;
    loaded.LoadGameText(saved);
    loaded.LoadNotesFile(path);
    EXPECT_EQ(loaded.Notes(), notes);
    EXPECT_EQ(loaded.GameLevel(), 2);

    // Another game saved over the first: its notes are not the first game's.
    TGame other = DealtGame();
    other.DealFind("5");
    other.LoadGameText(FormatSavedGame(other.SavedGame()));
    other.LoadNotesFile(path);
    EXPECT_TRUE(other.Notes().Empty());
    // The same puzzle with one more digit is another game too.
    TGame changed;
    changed.LoadGameText(saved);
    const TSquare s = First(changed.Board());
    changed.EnterDigit(s.Col, s.Row, 1);
    changed.LoadGameText(FormatSavedGame(changed.SavedGame()));
    changed.LoadNotesFile(path);
    EXPECT_TRUE(changed.Notes().Empty());

    // A damaged file (each damaged form is the notes' own tests' business) is refused.
    std::ofstream(path, std::ios::binary | std::ios::trunc) << "Velmora notes 1\r\n";
    TGame damaged;
    damaged.LoadGameText(saved);
    damaged.LoadNotesFile(path);
    EXPECT_TRUE(damaged.Notes().Empty() && damaged.GameLevel() == 0);
}

} // namespace
