// The texts the window shows for the engine's results, exactly as the player sees them.
#pragma once

#include "engine/TMessageText.h"

#include <cstdint>

TMessageText WrongDigitText(std::int32_t digit);   // "The number d does not belong here"
TMessageText OnlyPossibleText(std::int32_t digit); // "The only possible number that can go here is d"
TMessageText OkSoFarText();                        // "Ok so far..."
TMessageText ProgressText(std::int32_t entries, std::int32_t toGo); // "Progress: E so far, T to go "
TMessageText PuzzleNumberText(std::int32_t number);                 // "Puzzle: N"
TMessageText SolvedText();                                          // "Puzzle Complete - Congratulations!"
TMessageText FullButWrongText(); // "There are one or more squares wrong..."
TMessageText FinishedText();     // "Puzzle Complete"
