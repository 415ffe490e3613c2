// What every dealt puzzle must satisfy, checked without the generator's own help.
#pragma once

#include "engine/TGameState.h"

#include <string>

// Empty when the deal is sound, else the first fault found: holes outside the window or not
// matching Holes, givens that differ from the solution or are unmarked, a solution that breaks a
// row, column or box, or a puzzle that single candidates cannot finish to the solution.
std::string DealFault(const TGameState& state);
