// Boards the tests share: puzzle number 1, its Solution, and a full board that breaks the box rule.
#pragma once

#include "engine/Board.h"

#include <string_view>

// Puzzle number 1 as dealt at Easy, and its Solution, as rows text.
constexpr std::string_view PuzzleOneEasyRows =
    "172.43.../..518..34/.4..6.512/7.3...64./4..7..128/.214....7/2.4.7..91/8..3.94.5/....14273";
constexpr std::string_view SolvedGridRows =
    "172543986/965182734/348967512/783251649/459736128/621498357/234675891/817329465/596814273";

// Reads rows text ("172543986/965182734/...") or fails the calling test.
TBoard BoardFromRows(std::string_view rows);

// The Solution of puzzle number 1: a complete, valid grid.
TBoard SolvedGrid();

// A full board whose rows and columns each hold 1-9 once but whose boxes repeat digits
// (a cyclic Latin square).
TBoard LatinSquareWithBadBoxes();
