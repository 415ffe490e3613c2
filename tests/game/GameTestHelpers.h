// Games for the game's tests: a dealt puzzle, its squares and playing it to the end.
#pragma once

#include "game/TGame.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct TSquare {
    int Col = 0, Row = 0;
};

// A game with default settings that has dealt the puzzle of this number.
TGame DealtGame(std::string_view number = "1");

// The first empty square (column-major); {0, 0} when there is none.
TSquare FirstEmpty(const TBoard& board);

// Fills every empty square with its solution digit, the last one included.
TChanges SolveByHand(TGame& game);

// A command of a game played step by step, and its name in the record.
struct TStep {
    const char* Name;
    std::function<TChanges(TGame&)> Command;
};

// The record of the steps played on game: each step's name, then what it reported as changed (the
// window redraws only that) and what the window shows after it: the help line, the status bar, the
// clock, the mark, whether a game is in progress, the buttons enabled, whether paused, the notes
// mode, what Undo and Redo can do, the cursor and what counts for the best times; then the board's
// rows and the pencil marks.
std::string Played(TGame& game, const std::vector<TStep>& steps);
