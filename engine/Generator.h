// Numbered puzzle generation: a seed and a hole window give one puzzle, forever.
#pragma once

#include "engine/TGameState.h"
#include "engine/TRandomGenerator.h"

#include <cstdint>

// Fills state.Solution with a complete grid, one placement per box and digit, refilling from the
// continuing stream of draws until a grid completes.
void FillSolution(TGameState& state, TRandomGenerator& random);

// Digs state.Puzzle out of state.Solution while single candidates can still finish it, and sets
// state.Holes. Runs up to 251 iterations and stops early only inside the hole window.
void DigHoles(TGameState& state, TRandomGenerator& random);

// The generation part of the window's NewGame: fills a grid, digs (up to 101 times per grid,
// refilling as often as needed) until the holes lie in MinHoles-MaxHoles, then deals Puzzle to
// Board with its givens marked. A window no puzzle can land in (see HoleWindowReachable) would
// never end: then nothing is drawn or changed and the answer is false. A reachable window that is
// very rare (only a few holes, say) gives up after MaxGridsPerDeal grids the same way; every level
// window lands within the first grid.
constexpr std::int32_t MaxGridsPerDeal = 1000;
bool GeneratePuzzle(TGameState& state, TRandomGenerator& random, std::int32_t maxGrids = MaxGridsPerDeal);

// RandomSeed := number's bit pattern; PuzzleNumber := number; GeneratePuzzle. Changes nothing and
// answers false when the window is unreachable.
bool SelectPuzzle(TGameState& state, TRandomGenerator& random, std::int32_t number);
