// The puzzle-choosing part of velmora-cli's command lines, shared by every command that deals a
// puzzle: NUMBER and the window options
//   --level L            the window a level button sets (L = 1-4)
//   --level L --startup  the window start-up sets for level L
//   --window MIN MAX     any window a puzzle can land in (MIN <= MAX, MAX >= 5, MIN <= 59)
// With none of them the window is start-up Medium, what New uses right after start-up.
#pragma once

#include "engine/HoleWindows.h"
#include "engine/TGameState.h"
#include "engine/TRandomGenerator.h"

#include <cstdint>
#include <string>
#include <vector>

namespace cli {

struct PuzzleWindow {
    std::int32_t Difficulty = 2;
    THoleWindow Window = StartupWindow(2);
};

struct PuzzleOptions {
    std::int32_t Number = 1;
    PuzzleWindow Level;
};

// Takes the window options out of args; everything else is appended to rest, in order. On a
// usage error returns false with error set to a message for cli::UsageError.
bool ParseWindowOptions(const std::vector<std::string>& args, PuzzleWindow& window,
                        std::vector<std::string>& rest, std::string& error);

// A signed 32-bit decimal number, the whole text, nothing around it.
bool ParseInt32(const std::string& text, std::int32_t& number);

// NUMBER (the first argument that is not a window option) and the window options; the remaining
// arguments, NUMBER excluded, go to rest for the command's own options.
bool ParsePuzzleOptions(const std::vector<std::string>& args, PuzzleOptions& options,
                        std::vector<std::string>& rest, std::string& error);

// Sets the level and window on state, as the window's level buttons or start-up would.
void ApplyWindow(const PuzzleWindow& window, TGameState& state);

// Deals puzzle options.Number with its window, from a generator seeded with the number. False
// (nothing dealt) when the window is so rare that the generator gave up.
bool DealPuzzle(const PuzzleOptions& options, TGameState& state, TRandomGenerator& random);

// The usage error for a deal the generator gave up on (exit status 2).
int NotDealt(const TGameState& state);

// "NUMBER MIN-MAX HOLES SEED SOLUTION PUZZLE" for the dealt state (no line end).
std::string PuzzleLine(const TGameState& state, const TRandomGenerator& random);

} // namespace cli
