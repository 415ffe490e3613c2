#include "game/TGame.h"

#include "engine/Hint.h"
#include "engine/MessageTexts.h"
#include "engine/Progress.h"
#include "engine/PuzzleChoice.h"
#include "game/GameTexts.h"
#include "platform/NumberFormat.h"
#include "platform/SafeFile.h"

#include <filesystem>
#include <limits>
#include <system_error>

namespace {

std::string Text(const TMessageText& message) {
    return std::string(message.View());
}

} // namespace

TGame::TGame() {
    FRandom.RandomSeed = 1;
    FDisplay.HelpText = GameTexts::ChooseLevel;
    FDisplay.PuzzlePane = GameTexts::InitialPuzzlePane;
    FDisplay.ProgressPane = GameTexts::InitialProgressPane;
    FDisplay.ClockText = GameTexts::InitialClock;
}

TChanges TGame::ApplySettings(const TSettings& settings) {
    FOptions.HiliteRowAndColumn = settings.HiliteRowAndColumn;
    FOptions.HiliteCell = settings.HiliteCell;
    FOptions.HiliteErrors = settings.HiliteErrors;
    FOptions.UserFont = settings.UserFont;
    FOptions.TimedGame = settings.TimedGame;
    FOptions.HiliteSameDigit = settings.HiliteSameDigit;
    FState.PuzzleNumber = settings.Current;
    SetStartupLevel(FState, settings.Difficulty);
    return chOptions;
}

TSettings TGame::CurrentSettings() const {
    TSettings s;
    s.HiliteRowAndColumn = FOptions.HiliteRowAndColumn;
    s.HiliteCell = FOptions.HiliteCell;
    s.HiliteErrors = FOptions.HiliteErrors;
    s.UserFont = FOptions.UserFont;
    s.TimedGame = FOptions.TimedGame;
    s.HiliteSameDigit = FOptions.HiliteSameDigit;
    s.Difficulty = FState.Difficulty;
    s.Current = FState.PuzzleNumber;
    return s;
}

TChanges TGame::NewBoard(TBoard board) {
    FState.Board = board;
    FNotes.Clear();
    FHistory.Clear();
    return chBoard | chNotes | chHistory | EndPause();
}

TChanges TGame::PutDigit(std::int32_t c, std::int32_t r, std::int32_t digit) {
    TChanges changes = chSquares;
    const TSquareDigit& wrong = FWrongShown;
    if (FDisplay.HelpVisible && c == wrong.Col && r == wrong.Row && digit != wrong.Digit)
        changes |= HideHelp();
    FState.Board[c][r] = {digit, false};
    if (digit < 1 || digit > 9) return changes;
    FNotes.RemovePlaced(c, r, digit);
    return changes | chNotes;
}

TChanges TGame::ShowHelp(std::string_view text) {
    FDisplay.HelpText = text;
    FDisplay.HelpVisible = true;
    FWrongShown = {};
    return chHelp;
}

TChanges TGame::HideHelp() {
    FDisplay.HelpVisible = false;
    return chHelp;
}

// Only the column says whether there is a mark; the row keeps its last value.
TChanges TGame::ClearMark() {
    FMark.Col = -1;
    return chMark;
}

TChanges TGame::DropMark() {
    FMark.MarkerShown = false;
    return ClearMark() | chMarker;
}

TChanges TGame::SetClock(bool running) {
    FClockRunning = running;
    return chClockRun;
}

TChanges TGame::EndGame() {
    const TChanges ended = FGameInProgress ? TChanges(chGameEnded) : TChanges();
    FGameInProgress = false;
    return ended | SetClock(false);
}

TChanges TGame::DealWith(const std::function<void(TGameState&)>& deal) {
    FGameInProgress = true;
    FHasPuzzle = true;
    FSolutionKnown = true;
    FDisplay.HelpEnabled = true;
    FDisplay.PostEnabled = true;
    FDisplay.FinishEnabled = true;
    TChanges changes = chGameStarted | chCommands;
    changes |= DropMark() | HideHelp();
    TGameState dealt = FState;
    deal(dealt);
    const TBoard board = dealt.Board;
    FState = dealt;
    FGameLevel = dealt.Difficulty;
    FCountsForRecords = true;
    changes |= NewBoard(board);
    changes |= RecountProgress();
    FElapsedSeconds = 0;
    return changes | SetClock(true); // whether or not the game is timed: the count goes on either way
}

TChanges TGame::DealNew() {
    return DealWith([this](TGameState& state) { ::DealNew(state, FRandom); });
}

TChanges TGame::DealLevel(std::int32_t level) {
    return DealWith([this, level](TGameState& state) { ::DealLevel(state, FRandom, level); });
}

TChanges TGame::DealFind(std::string_view text) {
    return DealWith([this, text](TGameState& state) { ::DealFind(state, FRandom, text); });
}

TChanges TGame::DealRandomPuzzle() {
    return DealWith([this](TGameState& state) { ::DealRandomPuzzle(state, FRandom); });
}

TChanges TGame::Restart() {
    if (!FHasPuzzle) return {}; // nothing dealt yet: no puzzle to restart, no clock to start
    TChanges changes = HideHelp();
    TBoard board = FState.Puzzle;
    MarkGivens(board);
    changes |= NewBoard(board) | DropMark();
    FCountsForRecords = FGameLevel >= 1; // a fresh attempt at the same puzzle
    changes |= RecountProgress();
    FElapsedSeconds = 0;
    return changes | SetClock(true);
}

TChanges TGame::EnterDigit(std::int32_t c, std::int32_t r, std::int32_t digit) {
    if (c < 1 || c > 9 || r < 1 || r > 9 || digit < 0 || digit > 9) return {};
    if (FState.Board[c][r].Given || FPaused) return {};
    return Step([&] {
        const TChanges changes = PutDigit(c, r, digit);
        return changes | RecountProgress();
    });
}

TChanges TGame::ChooseDigit(std::int32_t c, std::int32_t r, std::int32_t digit) {
    TChanges changes = HideHelp() | ClearMark();
    if (digit >= 1 && FNotesMode)
        changes |= ToggleNote(c, r, digit);
    else if (digit >= 0)
        changes |= EnterDigit(c, r, digit);
    return changes;
}

TChanges TGame::MarkSquare(const TSquareDigit& square, std::string_view text) {
    const TChanges changes = ShowHelp(text);
    FMark.Col = square.Col;
    FMark.Row = square.Row;
    FWrongShown = square;
    return changes | chMark;
}

TChanges TGame::MarkWrong(const TSquareDigit& wrong) {
    return MarkSquare(wrong, WrongDigitText(wrong.Digit).View());
}

// Without a solution every digit of the player's would look wrong.
TChanges TGame::Check() {
    if (!FSolutionKnown) return {};
    TSquareDigit wrong;
    if (CheckEntries(FState.Board, FState.Solution, wrong)) return ShowHelp(OkSoFarText().View());
    return MarkWrong(wrong);
}

TChanges TGame::Hint() {
    if (FPaused || !FSolutionKnown) return {};
    TBoard board = FState.Board;
    const HintResult hint = GiveHint(board, FState.Solution);
    switch (hint.Kind) {
    case THintKind::hkNothingToDo:
        break;
    case THintKind::hkWrongEntry:
        return MarkWrong(hint.Square);
    case THintKind::hkSingle: {
        FMark = {hint.Square.Col, hint.Square.Row, true, true};
        TChanges changes = ShowHelp(OnlyPossibleText(hint.Square.Digit).View()) | chMark | chMarker;
        // A hint that fills the last square completes the game.
        return changes | Step([&] {
                   const TChanges placed = PutDigit(hint.Square.Col, hint.Square.Row, hint.Square.Digit);
                   return placed | RecountProgress();
               });
    }
    case THintKind::hkNoCandidate:
        return ShowHelp(GameTexts::NoSingleFound);
    }
    return {};
}

TChanges TGame::Finish(const std::function<void(const TBoard&, const TSquareDigit&)>& afterEachDigit) {
    if (FPaused) return {};
    FCountsForRecords = false; // a game the program finished is not the player's
    // A wrong digit of the player's leads the singles astray; it is the one to point out.
    TSquareDigit wrong;
    const bool playerWrong = FSolutionKnown && !CheckEntries(FState.Board, FState.Solution, wrong);
    const TChanges changes = Step([&] {
        TChanges placed;
        TBoard board = FState.Board;
        SolveBySingles(board, [&](const TBoard&, const TSquareDigit& digit) {
            placed |= PutDigit(digit.Col, digit.Row, digit.Digit);
            if (afterEachDigit) afterEachDigit(FState.Board, digit);
        });
        placed |= RecountProgress();
        if (IsSolved(FState.Board)) placed |= EndGame();
        return placed;
    });
    if (IsSolved(FState.Board)) return changes | ShowHelp(FinishedText().View());
    // The player's wrong digits, or givens that single candidates cannot finish, stand in the
    // way: the game goes on.
    if (playerWrong) return changes | MarkSquare(wrong, FullButWrongText().View());
    if (CountProgress(FState.Board).ToGo == 0) return changes | ShowHelp(FullButWrongText().View());
    return changes | ShowHelp(GameTexts::NoSingleFound);
}

TChanges TGame::RecountProgress() {
    const ProgressCounts counts = CountProgress(FState.Board);
    FDisplay.Percentage = counts.Percentage;
    FDisplay.ProgressPane = Text(ProgressText(counts.Entries, counts.ToGo));
    FDisplay.PuzzlePane = Text(PuzzleNumberText(FState.PuzzleNumber));
    switch (CompletionVerdict(FState.Board, counts)) {
    case TVerdict::vdSolved:
        return chProgress | CountCompletion() | EndGame() | ShowHelp(SolvedText().View());
    case TVerdict::vdFullButWrong:
        return chProgress | ShowHelp(FullButWrongText().View());
    case TVerdict::vdNone:
        break;
    }
    return chProgress;
}

TChanges TGame::PressOnBoard() {
    return DropMark();
}

TChanges TGame::PressOnMarker() {
    return PressOnBoard();
}

TChanges TGame::MarkerTimeout() {
    FMark.MarkerTimeoutArmed = false;
    FMark.MarkerShown = false;
    return chMarker;
}

std::string TGame::ClockTextFor(std::int32_t elapsedSeconds) {
    const std::int32_t m = elapsedSeconds / 60;
    const std::int32_t s = elapsedSeconds % 60;
    std::string text = " ";
    if (m < 10) text += '0';
    platform::NumberFormat::AppendInteger(text, m);
    text += ':';
    if (s < 10) text += '0';
    platform::NumberFormat::AppendInteger(text, s);
    return text;
}

TChanges TGame::Tick() {
    if (FElapsedSeconds < std::numeric_limits<std::int32_t>::max()) ++FElapsedSeconds;
    FDisplay.ClockText = FOptions.TimedGame ? ClockTextFor(FElapsedSeconds) : GameTexts::UntimedClock;
    return chClock;
}

TChanges TGame::SetTimedGame(bool on) {
    FOptions.TimedGame = on;
    if (on) return chOptions;
    FDisplay.ClockText = GameTexts::UntimedClock;
    return chOptions | chClock;
}

TChanges TGame::SetHiliteRowAndColumn(bool on) {
    FOptions.HiliteRowAndColumn = on;
    return chOptions;
}

TChanges TGame::SetHiliteCell(bool on) {
    FOptions.HiliteCell = on;
    return chOptions;
}

TSavedGame TGame::SavedGame() const {
    return {FState.PuzzleNumber, FElapsedSeconds, FState.Board};
}

bool TGame::SaveGameFile(const std::string& path) {
    if (platform::SafeFile::WriteAll(path, FormatSavedGame(SavedGame()))) {
        if (FDisplay.HelpVisible && FDisplay.HelpText == GameTexts::SaveFailed) HideHelp();
        return true;
    }
    ShowHelp(GameTexts::SaveFailed);
    return false;
}

TLoadResult TGame::LoadGameText(std::string_view text) {
    return LoadParsedGame(ParseSavedGame(text));
}

TLoadResult TGame::LoadParsedGame(const TSavedGameParse& parsed) {
    if (!parsed.Game) return {TLoadOutcome::loDamaged, ShowHelp(GameTexts::LoadFailed)};
    const TSavedGame& game = *parsed.Game;

    // The file keeps no puzzle: the givens are the puzzle (so Restart restarts this game).
    TBoard puzzle{};
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (game.Board[c][r].Given) puzzle[c][r].Value = game.Board[c][r].Value;
    FSolutionKnown = parsed.SolutionFound;

    FState.Solution = parsed.Solution;
    FState.Puzzle = puzzle;
    FGameLevel = 0; // until the game's notes say more
    FCountsForRecords = false;
    FHasPuzzle = true;
    TChanges changes = NewBoard(game.Board) | DropMark();
    FState.PuzzleNumber = game.PuzzleNumber;
    FElapsedSeconds = game.ElapsedSeconds;
    changes |= SetClock(FOptions.TimedGame);
    // Check and Hint judge by the solution; without one they would call right digits wrong.
    FDisplay.PostEnabled = FSolutionKnown;
    FDisplay.HelpEnabled = FSolutionKnown;
    FDisplay.FinishEnabled = true;
    FGameInProgress = true;
    changes |= chCommands | chGameStarted;
    // What the help line said was about the game before; a completed game says so below.
    changes |= FSolutionKnown ? HideHelp() : ShowHelp(GameTexts::NotWorkedOut);
    return {TLoadOutcome::loLoaded, changes | RecountProgress()};
}

TLoadResult TGame::LoadGameFile(const std::string& path) {
    std::error_code error;
    if (path.empty() || !std::filesystem::exists(path, error)) {
        if (!error) return {TLoadOutcome::loNoFile, {}};
    }
    std::string text;
    if (!platform::SafeFile::ReadAll(path, text, MaxSavedGameBytes))
        return {TLoadOutcome::loDamaged, ShowHelp(GameTexts::LoadFailed)};
    return LoadGameText(text);
}
