#include "game/TGame.h"

#include "engine/Hint.h"
#include "engine/MessageTexts.h"
#include "engine/Progress.h"
#include "engine/PuzzleChoice.h"
#include "engine/SolutionSearch.h"
#include "game/GameTexts.h"
#include "platform/NumberFormat.h"
#include "platform/SafeFile.h"

#include <filesystem>
#include <limits>
#include <system_error>

namespace {

// A saved game is about 500 bytes; anything far larger is not one of ours.
constexpr std::size_t MaxSavedGameBytes = std::size_t{1} << 20;

std::string Text(const TMessageText& message) {
    return std::string(message.View());
}

} // namespace

TGame::TGame() : HelpText(GameTexts::ChooseLevel), ClockText(GameTexts::InitialClock) {
    Random.RandomSeed = 1;
    PuzzlePane = GameTexts::InitialPuzzlePane;
    ProgressPane = GameTexts::InitialProgressPane;
}

void TGame::ApplySettings(const TSettings& settings) {
    Options.HiliteRowAndColumn = settings.HiliteRowAndColumn;
    Options.HiliteCell = settings.HiliteCell;
    Options.HiliteErrors = settings.HiliteErrors;
    Options.UserFont = settings.UserFont;
    Options.TimedGame = settings.TimedGame;
    State.PuzzleNumber = settings.Current;
    SetStartupLevel(State, settings.Difficulty);
}

TSettings TGame::CurrentSettings() const {
    TSettings s;
    s.HiliteRowAndColumn = Options.HiliteRowAndColumn;
    s.HiliteCell = Options.HiliteCell;
    s.HiliteErrors = Options.HiliteErrors;
    s.UserFont = Options.UserFont;
    s.TimedGame = Options.TimedGame;
    s.Difficulty = State.Difficulty;
    s.Current = State.PuzzleNumber;
    return s;
}

void TGame::ShowHelp(std::string_view text) {
    HelpText = text;
    HelpVisible = true;
}

void TGame::StartDeal() {
    GameInProgress = true;
    MarkCol = -1;
    HelpEnabled = true;
    PostEnabled = true;
    FinishEnabled = true;
    HelpVisible = false;
}

void TGame::EndDeal() {
    UpdateProgress();
    ElapsedSeconds = 0;
    SetClock(true); // whether or not the game is timed: the count goes on either way
}

void TGame::DealNew() {
    StartDeal();
    ::DealNew(State, Random);
    EndDeal();
}

void TGame::DealLevel(std::int32_t level) {
    StartDeal();
    ::DealLevel(State, Random, level);
    EndDeal();
}

void TGame::DealFind(std::string_view text) {
    StartDeal();
    ::DealFind(State, Random, text);
    EndDeal();
}

void TGame::DealRandomPuzzle() {
    StartDeal();
    ::DealRandomPuzzle(State, Random);
    EndDeal();
}

void TGame::Restart() {
    HelpVisible = false;
    CopyBoard(State.Puzzle, State.Board);
    MarkGivens(State.Board);
    MarkCol = -1;
    UpdateProgress();
    ElapsedSeconds = 0;
    SetClock(true);
}

bool TGame::EnterDigit(std::int32_t c, std::int32_t r, std::int32_t digit) {
    if (c < 1 || c > 9 || r < 1 || r > 9 || digit < 0 || digit > 9) return false;
    TCell& square = State.Board[c][r];
    if (square.Given) return false;
    square = {digit, false};
    UpdateProgress();
    return true;
}

void TGame::MarkWrong(const TSquareDigit& wrong) {
    MarkCol = wrong.Col;
    MarkRow = wrong.Row;
    ShowHelp(WrongDigitText(wrong.Digit).View());
}

void TGame::Check() {
    TSquareDigit wrong;
    if (CheckEntries(State.Board, State.Solution, wrong))
        ShowHelp(OkSoFarText().View());
    else
        MarkWrong(wrong);
}

void TGame::Hint() {
    const HintResult hint = GiveHint(State.Board, State.Solution);
    switch (hint.Kind) {
    case THintKind::hkNothingToDo:
        break;
    case THintKind::hkWrongEntry:
        MarkWrong(hint.Square);
        break;
    case THintKind::hkSingle:
        ShowHelp(OnlyPossibleText(hint.Square.Digit).View());
        MarkerShown = true;
        MarkerTimeoutArmed = true;
        MarkCol = hint.Square.Col;
        MarkRow = hint.Square.Row;
        break;
    case THintKind::hkNoCandidate:
        ShowHelp(GameTexts::NoSingleFound);
        break;
    }
}

void TGame::Finish(const std::function<void(const TBoard&, const TSquareDigit&)>& afterEachDigit) {
    SolveBySingles(State.Board, [&](const TBoard& board, const TSquareDigit& placed) {
        if (afterEachDigit) afterEachDigit(board, placed);
    });
    GameInProgress = false;
    ShowHelp(FinishedText().View());
    SetClock(false);
}

void TGame::UpdateProgress() {
    const ProgressCounts counts = CountProgress(State.Board);
    Percentage = counts.Percentage;
    ProgressPane = Text(ProgressText(counts.Entries, counts.ToGo));
    PuzzlePane = Text(PuzzleNumberText(State.PuzzleNumber));
    switch (CompletionVerdict(State.Board, counts)) {
    case TVerdict::vdSolved:
        GameInProgress = false;
        ShowHelp(SolvedText().View());
        SetClock(false);
        break;
    case TVerdict::vdFullButWrong:
        ShowHelp(FullButWrongText().View());
        break;
    case TVerdict::vdNone:
        break;
    }
}

void TGame::SetClock(bool running) {
    ClockRunning = running;
    ++ClockChanges;
}

void TGame::PressOnBoard() {
    MarkerShown = false;
    MarkCol = -1;
}

void TGame::PressOnMarker() {
    PressOnBoard();
}

void TGame::MarkerTimeout() {
    MarkerTimeoutArmed = false;
    MarkerShown = false;
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

void TGame::Tick() {
    if (ElapsedSeconds < std::numeric_limits<std::int32_t>::max()) ++ElapsedSeconds;
    ClockText = Options.TimedGame ? ClockTextFor(ElapsedSeconds) : GameTexts::UntimedClock;
}

void TGame::SetTimedGame(bool on) {
    Options.TimedGame = on;
    if (!on) ClockText = GameTexts::UntimedClock;
}

TSavedGame TGame::SavedGame() const {
    return {State.PuzzleNumber, ElapsedSeconds, State.Board};
}

bool TGame::SaveGameFile(const std::string& path) {
    if (platform::SafeFile::WriteAll(path, FormatSavedGame(SavedGame()))) return true;
    ShowHelp(GameTexts::SaveFailed);
    return false;
}

TLoadOutcome TGame::LoadGameText(std::string_view text) {
    const TSavedGameParse parsed = ParseSavedGame(text);
    if (!parsed.Game) {
        ShowHelp(GameTexts::LoadFailed);
        return TLoadOutcome::loDamaged;
    }
    const TSavedGame& game = *parsed.Game;

    // The file keeps no puzzle and no solution: the givens are the puzzle (so Restart restarts
    // this game), and their solution is worked out so Check and Hint judge the player's digits.
    TBoard givens{};
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (game.Board[c][r].Given) givens[c][r] = game.Board[c][r];
    TBoard solution = givens;
    for (auto& column : solution)
        for (TCell& cell : column)
            cell.Given = false;
    TBoard puzzle = solution;
    if (!TSolutionSearch().Solve(solution)) solution = givens;

    State.Solution = solution;
    State.Puzzle = puzzle;
    State.Board = game.Board;
    State.PuzzleNumber = game.PuzzleNumber;
    ElapsedSeconds = game.ElapsedSeconds;
    SetClock(Options.TimedGame);
    PostEnabled = true;
    HelpEnabled = true;
    GameInProgress = true;
    UpdateProgress();
    return TLoadOutcome::loLoaded;
}

TLoadOutcome TGame::LoadGameFile(const std::string& path) {
    std::error_code error;
    if (path.empty() || !std::filesystem::exists(path, error)) {
        if (!error) return TLoadOutcome::loNoFile;
    }
    std::string text;
    if (!platform::SafeFile::ReadAll(path, text, MaxSavedGameBytes)) {
        ShowHelp(GameTexts::LoadFailed);
        return TLoadOutcome::loDamaged;
    }
    return LoadGameText(text);
}
