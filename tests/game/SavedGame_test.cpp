// The saved-game file: its exact bytes, reading it back, and damaged files that change nothing.
// A save that cannot be written: the hardening tests keep the old file, the window tests the message.
#include "TestFiles.h"
#include "game/GameTexts.h"
#include "game/SavedGame.h"
#include "game/TGame.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Compares the file whole with the golden one in tests/game/data.
::testing::AssertionResult MatchesGolden(const fs::path& written, const std::string& name) {
    return test::MatchesGoldenFile(test::ReadWholeFile(written.string()),
                                   (fs::path(GAME_TEST_DATA) / name).string());
}

fs::path TempPath(const std::string& name) {
    const fs::path folder = fs::path(testing::TempDir()) / "velmora-saved-game-test";
    fs::create_directories(folder);
    return folder / name;
}

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
    TSavedGame expected{12, 5, TBoard{}};
    expected.Board[1][1] = {4, false};
    expected.Board[1][2] = {6, true};
    expected.Board[1][3] = {2, true};
    EXPECT_EQ(*loose.Game, expected);
}

// Damaged saved games, each refused with its reason and the line where reading stopped.
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

TEST(SavedGameFormat, RefusesDamagedTextsWithTheirReasonAndLine) {
    for (const TDamagedText& damaged : DamagedTexts) {
        const auto parsed = ParseSavedGame(damaged.Text);
        EXPECT_FALSE(parsed.Game) << damaged.Name;
        EXPECT_EQ(parsed.Error, damaged.Error) << damaged.Name;
        EXPECT_EQ(parsed.Line, damaged.Line) << damaged.Name;
    }
}

TEST(SavedGameFiles, SaveThenLoadGivesBackTheGameAndItsSolution) {
    const std::string path = TempPath("velmora-puzzle.sav").string();
    TGame played;
    played.ApplySettings(TSettings{});
    played.DealFind("1");
    int c = 1;
    while (played.Board()[c][1].Value != 0)
        ++c;
    played.EnterDigit(c, 1, played.State().Solution[c][1].Value);
    for (int i = 0; i < 75; ++i)
        played.Tick();
    ASSERT_TRUE(played.SaveGameFile(path));
    EXPECT_TRUE(MatchesGolden(path, "puzzle1.sav"));

    TSettings untimed;
    untimed.TimedGame = false;
    TGame loaded;
    loaded.ApplySettings(untimed);
    ASSERT_EQ(loaded.LoadGameFile(path).Outcome, TLoadOutcome::loLoaded);
    EXPECT_EQ(loaded.State().Board, played.State().Board);
    EXPECT_EQ(loaded.State().PuzzleNumber, 1);
    EXPECT_EQ(loaded.ElapsedSeconds(), 75);
    EXPECT_TRUE(loaded.GameInProgress());
    EXPECT_TRUE(loaded.Display().PostEnabled && loaded.Display().HelpEnabled &&
                loaded.Display().FinishEnabled);
    EXPECT_FALSE(loaded.ClockRunning()) << "untimed: the clock stays stopped";
    EXPECT_EQ(loaded.Display().ProgressPane, played.Display().ProgressPane);
    // The solution is worked out again, so the player's right digit is not called wrong...
    EXPECT_EQ(loaded.State().Solution, played.State().Solution);
    loaded.Check();
    EXPECT_EQ(loaded.Display().HelpText, "Ok so far...");
    // ...and Restart restarts the loaded puzzle, not an empty board.
    TBoard dealt = played.State().Puzzle;
    MarkGivens(dealt);
    loaded.Restart();
    EXPECT_EQ(loaded.State().Board, dealt);

    // A complete board loads as a finished game; a timed load of a game in progress runs the clock.
    played.Finish();
    ASSERT_TRUE(played.SaveGameFile(path));
    ASSERT_EQ(loaded.LoadGameFile(path).Outcome, TLoadOutcome::loLoaded);
    EXPECT_EQ(loaded.Display().HelpText, "Puzzle Complete - Congratulations!");
    EXPECT_FALSE(loaded.GameInProgress() || loaded.ClockRunning());
    played.DealFind("2");
    ASSERT_TRUE(played.SaveGameFile(path));
    loaded.SetTimedGame(true);
    ASSERT_EQ(loaded.LoadGameFile(path).Outcome, TLoadOutcome::loLoaded);
    EXPECT_TRUE(loaded.ClockRunning());
    EXPECT_EQ(loaded.State().PuzzleNumber, 2) << "saving twice keeps only the second game";
}

TEST(SavedGameFiles, MissingAndDamagedFilesChangeNothing) {
    const fs::path path = TempPath("damaged.sav");
    fs::remove(path);
    TGame game;
    game.ApplySettings(TSettings{});
    game.DealFind("5");
    game.Tick();
    const TGameState before = game.State();
    EXPECT_EQ(game.LoadGameFile(path.string()).Outcome, TLoadOutcome::loNoFile);

    std::string damaged = FormatSavedGame(TSavedGame{9, 9, TBoard{}});
    damaged.replace(damaged.rfind("0 N"), 3, "12 N");
    std::ofstream(path, std::ios::binary) << damaged;
    std::vector<std::pair<std::string, std::function<TLoadResult()>>> loads = {
        {"damaged file", [&] { return game.LoadGameFile(path.string()); }},
        {"a folder", [&] { return game.LoadGameFile(path.parent_path().string()); }},
    };
    for (const TDamagedText& text : DamagedTexts)
        loads.emplace_back(text.Name, [&] { return game.LoadGameText(text.Text); });
    for (const auto& [name, load] : loads) {
        game.HideHelp();
        EXPECT_EQ(load().Outcome, TLoadOutcome::loDamaged) << name;
        EXPECT_TRUE(game.Display().HelpVisible && game.Display().HelpText == GameTexts::LoadFailed);
        EXPECT_EQ(game.State().Board, before.Board);
        EXPECT_EQ(game.State().Solution, before.Solution);
        EXPECT_EQ(game.State().Puzzle, before.Puzzle);
        EXPECT_EQ(game.State().PuzzleNumber, 5);
        EXPECT_EQ(game.ElapsedSeconds(), 1);
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
