// The one saved game beside the executable: 83 lines ended by CR LF (the puzzle number, the
// elapsed seconds, then the 81 squares column by column as "<value> Y" or "<value> N").
#pragma once

#include "engine/Board.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A saved game is about 500 bytes; a file far larger is not one and is not read.
constexpr std::size_t MaxSavedGameBytes = std::size_t{64} << 10;

struct TSavedGame {
    std::int32_t PuzzleNumber = 0;
    std::int32_t ElapsedSeconds = 0;
    TBoard Board{};

    friend bool operator==(const TSavedGame&, const TSavedGame&) = default;
};

std::string FormatSavedGame(const TSavedGame& game);

// Why a saved game was refused; a refused file changes nothing.
enum class TSavedGameError {
    sgNone,
    sgBadNumber,       // a number that is not a 32-bit decimal integer
    sgValueOutOfRange, // a square holding something other than 0-9
    sgNegativeTime,    // elapsed seconds below 0
    sgEmpty,           // nothing but blanks and line breaks
    sgEmptyGiven,      // a square marked given that holds no digit ("0 Y")
    sgGivensClash,     // a given repeats a given digit of its column, row or box
};

struct TSavedGameParse {
    std::optional<TSavedGame> Game; // set when the whole text was read
    TBoard Solution{};              // with Game: the givens completed to a solved grid, no flags
    bool SolutionFound = false;     // false: no solution was found, Solution holds the givens only
    TSavedGameError Error = TSavedGameError::sgNone;
    int Line = 0; // the line (1-83) where reading failed
};

// Reads the text the way the game always has: each number skips leading blanks and line breaks
// and ends at the next space or control character; after a square's number come one separator
// character and the flag character ("Y" marks a given, anything else does not); the rest of the
// line is skipped. A text that ends early reads the missing numbers as 0 and the missing flags as
// not given. A text that is blank, or whose givens break the rules (an empty given, two equal
// givens in a unit), is refused; the player's own digits may be wrong, as in any game in progress.
TSavedGameParse ParseSavedGame(std::string_view text);
