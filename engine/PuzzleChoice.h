// How each command picks the puzzle number it deals, and the deals themselves.
// The window does its own work (buttons, clock, drawing) around DealNew .. DealRandomPuzzle.
#pragma once

#include "engine/TGameState.h"
#include "engine/TRandomGenerator.h"

#include <cstdint>
#include <string_view>

// New and the level buttons: RandomInt(2147483646), so 0 .. 2147483645.
std::int32_t DrawNewNumber(TRandomGenerator& random);

// Goto random puzzle: RandomInt(2^31) + 1 in 32-bit arithmetic, so 2^31 wraps to -2147483648.
std::int32_t DrawRandomPuzzleNumber(TRandomGenerator& random);

// Find: the typed text as a 32-bit signed decimal integer (optional sign; spaces and tabs around it
// are ignored); anything else gives 1, and any value below 1 gives 1.
std::int32_t FindNumber(std::string_view text);

// Sets Difficulty and the window from the level-button table (level outside 1-4 taken as 2).
void SetLevel(TGameState& state, std::int32_t level);

// Sets Difficulty and the window from the start-up table, as reading the settings does.
void SetStartupLevel(TGameState& state, std::int32_t level);

// Each deal answers what SelectPuzzle answers: false, with nothing drawn or changed, only when the
// current window is unreachable (never after SetLevel or SetStartupLevel).

// New: draws a number and deals it with the current window.
bool DealNew(TGameState& state, TRandomGenerator& random);

// A level button: draws a number first, then sets the level's window, then deals.
bool DealLevel(TGameState& state, TRandomGenerator& random, std::int32_t level);

// Find confirmed with text (a cancelled dialog deals nothing and never calls this).
bool DealFind(TGameState& state, TRandomGenerator& random, std::string_view text);

// Goto random puzzle.
bool DealRandomPuzzle(TGameState& state, TRandomGenerator& random);
