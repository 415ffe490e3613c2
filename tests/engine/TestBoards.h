// Boards the engine tests share.
#pragma once

#include "engine/Board.h"

#include <string_view>

// Reads rows text ("172543986/965182734/...") or fails the calling test.
TBoard BoardFromRows(std::string_view rows);

// The Solution of puzzle number 1: a complete, valid grid.
TBoard SolvedGrid();

// A full board whose rows and columns each hold 1-9 once but whose boxes repeat digits
// (a cyclic Latin square).
TBoard LatinSquareWithBadBoxes();
