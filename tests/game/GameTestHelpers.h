// Games for the game's tests: a dealt puzzle, and games played from a script.
#pragma once

#include "game/TGame.h"

#include <string>
#include <string_view>

// A game with default settings that has dealt the puzzle of this number.
TGame DealtGame(std::string_view number = "1");

// Plays the steps of a script on a game with default settings and gives back its record. A step is
// a line that begins with "> ": commands separated by ";", then an optional "# comment". The record
// keeps the script's comment lines (those that begin with "#") and its steps, so that a script with
// its record is its own golden file. After each step it holds what the step reported as changed (the
// window redraws only that) and what the window shows: the help line, the status bar, the clock, the
// mark, whether a game is in progress, the buttons enabled, whether paused, the notes mode, what Undo
// and Redo can do, the cursor and what counts for the best times; then the board's rows and the
// pencil marks. The commands are those of Run in the helper's source.
std::string Played(const std::string& script);
