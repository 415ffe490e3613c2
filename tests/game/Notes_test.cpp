// Pencil marks: toggling, filling the candidates of filled squares, and the companion
// file that carries them beside the saved game and back only with their own game.
#include "GameTestHelpers.h"
#include "TestFiles.h"
#include "game/Notes.h"
#include "game/TGame.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

TNoteMarks Marks(std::initializer_list<int> digits) {
    TNoteMarks marks = 0;
    for (int d : digits)
        marks |= static_cast<TNoteMarks>(1u << (d - 1));
    return marks;
}

TEST(Notes, ToggleFlipsOneDigitAndIgnoresNonDigits) {
    TNotes notes;
    for (int digit : {3, 9, 0, 10, 3})
        notes.Toggle(4, 7, digit);
    EXPECT_EQ(notes.At(4, 7), Marks({9}));
    EXPECT_FALSE(notes.Empty());
    notes.Clear();
    EXPECT_TRUE(notes.Empty());
}

// Which marks a placed digit clears and what filling gives on a dealt puzzle are in the game's
// record of its aids; here what the game cannot reach.
TEST(Notes, FillCandidatesClearsFilledSquaresAndNoSquareCountsAgainstItself) {
    TBoard board{};
    board[1][1] = {1, true};
    board[3][3] = {4, false};
    TNotes notes;
    notes.Set(1, 1, Marks({7}));
    notes.FillCandidates(board);
    EXPECT_EQ(notes.At(1, 1), 0);
    EXPECT_EQ(notes.At(2, 2), Marks({2, 3, 5, 6, 7, 8, 9}));
    EXPECT_EQ(CandidatesAt(board, 1, 1), AllNoteMarks & ~Marks({4})) << "its own digit does not count";
}

TNotesFile SampleFile() {
    TNotesFile file;
    file.PuzzleNumber = -2147483647 - 1;
    file.Level = 3;
    file.CountsForRecords = true;
    file.Board[1][1] = {7, true};
    file.Board[9][9] = {2, false};
    file.Notes.Set(1, 2, Marks({1, 9}));
    file.Notes.Set(9, 8, AllNoteMarks);
    return file;
}

TEST(NotesFile, RoundTripsAndRejectsEveryDamagedForm) {
    const std::string text = FormatNotesFile(SampleFile());
    ASSERT_EQ(ParseNotesFile(text), SampleFile());
    EXPECT_TRUE(test::MatchesGoldenFile(text, GAME_TEST_DATA "/sample.notes"));

    const auto replaced = [&](std::string_view from, std::string_view to) {
        std::string damaged = text;
        damaged.replace(damaged.find(from), from.size(), to);
        return damaged;
    };
    const std::pair<const char*, std::string> rows[] = {
        {"empty", ""},
        {"cut short", text.substr(0, text.size() / 2)},
        {"other header", replaced("Velmora notes 1", "Velmora notes 2")},
        {"bad number", replaced("-2147483648", "-21474836489")},
        {"level out of range", replaced("\r\n3\r\n", "\r\n5\r\n")},
        {"bad counts flag", replaced("\r\n1\r\n7", "\r\n2\r\n7")},
        {"board line too short", replaced("\r\n7000", "\r\n000")},
        {"bad given flag", replaced("\r\nYNN", "\r\nyNN")},
        {"notes not ascending", replaced("19", "91")},
        {"notes digit repeated", replaced("19", "11")},
        {"a zero in the notes", replaced("19", "09")},
        {"a field missing", replaced("- 19 -", "- 19")},
        {"an extra line", text + "x\r\n"},
    };
    for (const auto& [name, damaged] : rows)
        EXPECT_FALSE(ParseNotesFile(damaged)) << name;
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
