#include "game/PuzzleBook.h"

#include "engine/Generator.h"
#include "engine/TGameState.h"
#include "engine/TRandomGenerator.h"
#include "report/ReportError.h"

namespace {

constexpr const char* LevelNames[] = {"Easy", "Medium", "Hard", "Extra Hard"};

int CeilDiv(std::int64_t A, int B) {
    return static_cast<int>((A + B - 1) / B);
}

} // namespace

std::string BookOptionsError(const TBookOptions& Options) {
    if (Options.Count < 1 || Options.Count > MaxBookCount)
        return "the number of puzzles must be 1 to " + std::to_string(MaxBookCount);
    if (Options.FirstNumber < 1) return "the first puzzle number must be at least 1";
    if (static_cast<std::int64_t>(Options.FirstNumber) + Options.Count - 1 > MaxPuzzleNumber)
        return "the last puzzle would be past number " + std::to_string(MaxPuzzleNumber);
    if (Options.PerPage != 1 && Options.PerPage != 2 && Options.PerPage != 4 && Options.PerPage != 6)
        return "puzzles per page must be 1, 2, 4 or 6";
    if (!HoleWindowReachable(Options.Window))
        return "no puzzle has " + std::to_string(Options.Window.MinHoles) + " to " +
               std::to_string(Options.Window.MaxHoles) + " empty squares";
    return {};
}

std::string BookLevelName(const TBookOptions& Options) {
    if (Options.Difficulty >= MinLevel && Options.Difficulty <= MaxLevel)
        return LevelNames[Options.Difficulty - 1];
    return std::to_string(Options.Window.MinHoles) + "-" + std::to_string(Options.Window.MaxHoles) +
           " empty squares";
}

std::string BookPuzzleTitle(const TBookOptions& Options, std::int32_t Number) {
    return "Puzzle " + std::to_string(Number) + " \xB7 " + BookLevelName(Options);
}

int SolutionsPerPage(const TBookOptions& Options) {
    return Options.PerPage <= 2 ? 4 : 6;
}

int BookPageCount(const TBookOptions& Options) {
    int pages = CeilDiv(Options.Count, Options.PerPage);
    if (Options.Solutions) pages += CeilDiv(Options.Count, SolutionsPerPage(Options));
    return pages;
}

TReferenceDevice BookPaperDevice(TBookPaper Paper, TReferenceDevice Base) {
    const bool a4 = Paper == TBookPaper::bpA4;
    Base.PageWidth = a4 ? 210 / 25.4 : 8.5;
    Base.PageHeight = a4 ? 297 / 25.4 : 11;
    Base.MarginLeft = Base.MarginRight = Base.MarginTop = Base.MarginBottom = 0;
    Base.PaperSize = a4 ? 9 : 1; // the platform's paper codes for A4 and Letter
    Base.PaperWidth = a4 ? 2100 : 2159;
    Base.PaperLength = a4 ? 2970 : 2794;
    return Base;
}

TBookPuzzle DealBookPuzzle(std::int32_t Number, const THoleWindow& Window) {
    TGameState state;
    state.MinHoles = Window.MinHoles;
    state.MaxHoles = Window.MaxHoles;
    TRandomGenerator random;
    if (!SelectPuzzle(state, random, Number))
        throw EReportError("Puzzle " + std::to_string(Number) + " cannot be dealt with " +
                           std::to_string(Window.MinHoles) + " to " + std::to_string(Window.MaxHoles) +
                           " empty squares.");
    TBookPuzzle puzzle;
    puzzle.Number = Number;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const auto at = static_cast<std::size_t>((r - 1) * 9 + (c - 1));
            puzzle.Given[at] = static_cast<std::uint8_t>(state.Puzzle[c][r].Value);
            puzzle.Solution[at] = static_cast<std::uint8_t>(state.Solution[c][r].Value);
        }
    }
    return puzzle;
}
