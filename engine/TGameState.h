// The current game, owned by the main window for the whole run; created zero-filled.
#pragma once

#include "engine/Board.h"

#include <cstdint>

struct TGameState {
    TBoard Solution{}; // the complete grid the puzzle was dug from; no Given flags
    TBoard Puzzle{};   // the puzzle as dealt, no Given flags
    TBoard Board{};    // the play board: givens (flag set) plus the player's entries
    std::int32_t PuzzleNumber = 0;
    std::int32_t Difficulty = 0; // 1 Easy, 2 Medium, 3 Hard, 4 Extra Hard
    std::int32_t MinHoles = 0;   // hole window, both bounds inclusive
    std::int32_t MaxHoles = 0;
    std::int32_t Holes = 0; // empty squares left in Puzzle by the last dig
};

// Empties every square of Solution and clears its flags.
void ClearSolution(TGameState& state);
