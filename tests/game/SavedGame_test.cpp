// The saved-game file: its exact text, reading it back, damaged files that change nothing, and a
// save that cannot be written.
#include "game/GameTexts.h"
#include "game/SavedGame.h"
#include "game/TGame.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class TempFolder {
  public:
    TempFolder() {
        Path = fs::temp_directory_path() / ("velmora-app-test-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(Path);
    }
    ~TempFolder() { fs::remove_all(Path); }
    fs::path Path;
};

TSavedGame Sample() {
    TSavedGame game;
    game.PuzzleNumber = -2147483647 - 1;
    game.ElapsedSeconds = 3725;
    game.Board[1][1] = {7, true};
    game.Board[1][2] = {3, false};
    game.Board[9][9] = {9, true};
    return game;
}

TEST(SavedGameFormat, WritesEightyThreeLinesColumnByColumnWithCrLf) {
    const std::string text = FormatSavedGame(Sample());
    std::string expected = "-2147483648\r\n3725\r\n7 Y\r\n3 N\r\n";
    for (int i = 0; i < 78; ++i)
        expected += "0 N\r\n";
    expected += "9 Y\r\n";
    EXPECT_EQ(text, expected);
}

TEST(SavedGameFormat, ReadsBackWhatItWrote) {
    const auto parsed = ParseSavedGame(FormatSavedGame(Sample()));
    ASSERT_TRUE(parsed.Game);
    EXPECT_EQ(*parsed.Game, Sample());
}

TEST(SavedGameFormat, ReadsLooselyAsTheGameAlwaysHas) {
    // Lower-case flags are not givens; any separator counts; a file that ends early leaves the
    // remaining squares empty; blanks before a number are skipped; LF-only lines work.
    const auto parsed = ParseSavedGame("  12\n\t5\n4 y\n6\tY\n\n 2 Y");
    ASSERT_TRUE(parsed.Game);
    const TSavedGame& game = *parsed.Game;
    EXPECT_EQ(game.PuzzleNumber, 12);
    EXPECT_EQ(game.ElapsedSeconds, 5);
    EXPECT_EQ(game.Board[1][1], (TCell{4, false}));
    EXPECT_EQ(game.Board[1][2], (TCell{6, true}));
    EXPECT_EQ(game.Board[1][3], (TCell{2, true}));
    EXPECT_EQ(game.Board[1][4], (TCell{}));
    EXPECT_EQ(game.Board[9][9], (TCell{}));

    const auto empty = ParseSavedGame("");
    ASSERT_TRUE(empty.Game);
    EXPECT_EQ(*empty.Game, TSavedGame{});
}

TEST(SavedGameFormat, RefusesNumbersItCannotReadAndValuesOutsideTheDigits) {
    struct Case {
        std::string Text;
        TSavedGameError Error;
        int Line;
    };
    std::string good = FormatSavedGame(Sample());
    std::string badSquare = good;
    badSquare.replace(badSquare.find("3 N"), 3, "x N");
    std::string bigSquare = good;
    bigSquare.replace(bigSquare.find("3 N"), 3, "10 N");
    std::string negativeSquare = good;
    negativeSquare.replace(negativeSquare.find("3 N"), 3, "-1 N");
    const Case cases[] = {
        {"abc\r\n", TSavedGameError::sgBadNumber, 1},
        {"2147483648\r\n0\r\n", TSavedGameError::sgBadNumber, 1},
        {"1\r\n99999999999\r\n", TSavedGameError::sgBadNumber, 2},
        {"1\r\n-5\r\n", TSavedGameError::sgNegativeTime, 2},
        {badSquare, TSavedGameError::sgBadNumber, 4},
        {bigSquare, TSavedGameError::sgValueOutOfRange, 4},
        {negativeSquare, TSavedGameError::sgValueOutOfRange, 4},
        {std::string(40, '7'), TSavedGameError::sgBadNumber, 1},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseSavedGame(c.Text);
        EXPECT_FALSE(parsed.Game) << c.Text;
        EXPECT_EQ(parsed.Error, c.Error) << c.Text;
        EXPECT_EQ(parsed.Line, c.Line) << c.Text;
    }
}

TEST(SavedGameFiles, SaveThenLoadGivesBackTheGameAndItsSolution) {
    TempFolder folder;
    const std::string path = (folder.Path / "velmora-puzzle.sav").string();

    TGame played;
    played.ApplySettings(TSettings{});
    played.DealFind("1");
    int c = 0, r = 0;
    for (c = 1; c <= 9 && played.State().Board[c][1].Value != 0; ++c) {
    }
    r = 1;
    ASSERT_LE(c, 9);
    played.EnterDigit(c, r, played.State().Solution[c][r].Value);
    for (int i = 0; i < 75; ++i)
        played.Tick();
    ASSERT_TRUE(played.SaveGameFile(path));
    EXPECT_EQ(ReadFile(path), FormatSavedGame(played.SavedGame()));

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
    for (int cc = 1; cc <= 9; ++cc)
        for (int rr = 1; rr <= 9; ++rr)
            EXPECT_EQ(loaded.State().Solution[cc][rr].Value, played.State().Solution[cc][rr].Value);
    loaded.Check();
    EXPECT_EQ(loaded.Display().HelpText, "Ok so far...");
    // ...and Restart restarts the loaded puzzle, not an empty board.
    TBoard dealt = played.State().Puzzle;
    MarkGivens(dealt);
    loaded.Restart();
    EXPECT_EQ(loaded.State().Board, dealt);
}

TEST(SavedGameFiles, ACompleteBoardLoadsAsAFinishedGameAndATimedLoadRunsTheClock) {
    TempFolder folder;
    const std::string path = (folder.Path / "game.sav").string();
    TGame played;
    played.ApplySettings(TSettings{});
    played.DealFind("1");
    played.Finish();
    ASSERT_TRUE(played.SaveGameFile(path));

    TGame loaded;
    loaded.ApplySettings(TSettings{});
    ASSERT_EQ(loaded.LoadGameFile(path).Outcome, TLoadOutcome::loLoaded);
    EXPECT_EQ(loaded.Display().HelpText, "Puzzle Complete - Congratulations!");
    EXPECT_FALSE(loaded.GameInProgress());
    EXPECT_FALSE(loaded.ClockRunning());

    played.DealFind("2");
    ASSERT_TRUE(played.SaveGameFile(path));
    ASSERT_EQ(loaded.LoadGameFile(path).Outcome, TLoadOutcome::loLoaded);
    EXPECT_TRUE(loaded.ClockRunning());
    EXPECT_EQ(loaded.State().PuzzleNumber, 2) << "saving twice keeps only the second game";
}

TEST(SavedGameFiles, MissingAndDamagedFilesChangeNothing) {
    TempFolder folder;
    const fs::path path = folder.Path / "game.sav";
    TGame game;
    game.ApplySettings(TSettings{});
    game.DealFind("5");
    game.Tick();
    const TGameState before = game.State();

    EXPECT_EQ(game.LoadGameFile(path.string()).Outcome, TLoadOutcome::loNoFile);

    std::string damaged = FormatSavedGame(TSavedGame{9, 9, TBoard{}});
    damaged.replace(damaged.rfind("0 N"), 3, "12 N");
    WriteFile(path, damaged);
    game.HideHelp();
    EXPECT_EQ(game.LoadGameFile(path.string()).Outcome, TLoadOutcome::loDamaged);
    EXPECT_EQ(game.Display().HelpText, GameTexts::LoadFailed);
    EXPECT_TRUE(game.Display().HelpVisible);
    EXPECT_EQ(game.State().Board, before.Board);
    EXPECT_EQ(game.State().Solution, before.Solution);
    EXPECT_EQ(game.State().Puzzle, before.Puzzle);
    EXPECT_EQ(game.State().PuzzleNumber, 5);
    EXPECT_EQ(game.ElapsedSeconds(), 1);

    EXPECT_EQ(game.LoadGameFile(folder.Path.string()).Outcome, TLoadOutcome::loDamaged)
        << "a folder is no saved game";
    EXPECT_EQ(game.State().Board, before.Board);
}

TEST(SavedGameFiles, GivensWithoutASolutionStillLoad) {
    // Two given 5s in one column: no solution, so the solution holds just the givens.
    TSavedGame saved;
    saved.Board[1][1] = {5, true};
    saved.Board[1][2] = {5, true};
    saved.Board[2][1] = {3, false};
    TGame game;
    ASSERT_EQ(game.LoadGameText(FormatSavedGame(saved)).Outcome, TLoadOutcome::loLoaded);
    EXPECT_EQ(game.State().Solution[1][1].Value, 5);
    EXPECT_EQ(game.State().Solution[2][1].Value, 0);
    EXPECT_EQ(game.State().Board, saved.Board);
}

TEST(SavedGameFiles, AFailedSaveKeepsTheOldFileAndSaysSo) {
    TempFolder folder;
    const fs::path path = folder.Path / "game.sav";
    WriteFile(path, "old game\r\n");
    TGame game;
    game.DealFind("3");

    // A target that is a folder, and one in a folder that does not exist, cannot be written
    // (whoever runs the test, root included).
    const fs::path blocked = folder.Path / "blocked.sav";
    fs::create_directories(blocked);
    game.HideHelp();
    EXPECT_FALSE(game.SaveGameFile(blocked.string()));
    EXPECT_EQ(game.Display().HelpText, GameTexts::SaveFailed);
    EXPECT_TRUE(game.Display().HelpVisible);
    EXPECT_TRUE(fs::is_directory(blocked));
    EXPECT_FALSE(game.SaveGameFile((folder.Path / "missing" / "game.sav").string()));

    // A folder without write permission (only effective when not running as root).
    fs::permissions(folder.Path, fs::perms::owner_read | fs::perms::owner_exec);
    const bool denied = !std::ofstream(folder.Path / "probe");
    if (denied) {
        EXPECT_FALSE(game.SaveGameFile(path.string()));
        EXPECT_EQ(ReadFile(path), "old game\r\n");
    }
    fs::permissions(folder.Path, fs::perms::owner_all);
    int files = 0;
    for (const auto& entry : fs::directory_iterator(folder.Path))
        files += entry.is_regular_file();
    EXPECT_EQ(files, denied ? 1 : 2) << "no temporary file is left behind";
    EXPECT_TRUE(game.GameInProgress()) << "a failed save changes nothing in the game";
}

} // namespace
