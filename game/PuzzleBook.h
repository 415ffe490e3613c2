// A puzzle book: a run of numbered puzzles of one window, some to a page, with an optional
// solutions section at the back. The same options give the same book on every machine.
#pragma once

#include "engine/HoleWindows.h"
#include "report/ReferenceDevice.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

enum class TBookPaper : std::uint8_t { bpLetter, bpA4 };

struct TBookOptions {
    std::int32_t FirstNumber = 1;
    std::int32_t Count = 1;
    std::int32_t Difficulty = 2; // 1-4 names the level in the titles; 0 for a window of one's own
    THoleWindow Window = LevelWindow(2);
    int PerPage = 4; // 1, 2, 4 or 6
    bool Solutions = false;
    TBookPaper Paper = TBookPaper::bpLetter;
};

constexpr std::int32_t MaxBookCount = 10000;
constexpr std::int32_t MaxPuzzleNumber = 2147483647;

// Why the options make no book (count, numbers, window, puzzles per page), or empty when they do.
std::string BookOptionsError(const TBookOptions& Options);

// "Easy" ... "Extra Hard", or "MIN-MAX empty squares" for a window of one's own.
std::string BookLevelName(const TBookOptions& Options);

// The title of a puzzle and of its solution: "Puzzle 1042 · Medium" (Windows-1252 middle dot).
std::string BookPuzzleTitle(const TBookOptions& Options, std::int32_t Number);

// Solutions go four to a page after one or two puzzles a page, six after four or six.
int SolutionsPerPage(const TBookOptions& Options);

// Pages of the whole book, solutions included.
int BookPageCount(const TBookOptions& Options);

// Base with the physical page of Paper: a file has no printer to say how big its pages are.
TReferenceDevice BookPaperDevice(TBookPaper Paper, TReferenceDevice Base);

// One dealt puzzle: digits row by row from the top, each left to right; 0 for an empty square.
struct TBookPuzzle {
    std::int32_t Number = 0;
    std::array<std::uint8_t, 81> Given{};
    std::array<std::uint8_t, 81> Solution{};
};

// Deals puzzle Number with Window, from a generator seeded with the number as Find would. A window
// so rare that the generator gives up fails with EReportError, which ends the print run.
TBookPuzzle DealBookPuzzle(std::int32_t Number, const THoleWindow& Window);
