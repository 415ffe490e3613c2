#include "engine/MessageTexts.h"

TMessageText WrongDigitText(std::int32_t digit) {
    return TMessageText("The number ").Append(digit).Append(" does not belong here");
}

TMessageText OnlyPossibleText(std::int32_t digit) {
    return TMessageText("The only possible number that can go here is ").Append(digit);
}

TMessageText OkSoFarText() {
    return TMessageText("Ok so far...");
}

TMessageText ProgressText(std::int32_t entries, std::int32_t toGo) {
    return TMessageText("Progress: ").Append(entries).Append(" so far, ").Append(toGo).Append(" to go ");
}

TMessageText PuzzleNumberText(std::int32_t number) {
    return TMessageText("Puzzle: ").Append(number);
}

TMessageText SolvedText() {
    return TMessageText("Puzzle Complete - Congratulations!");
}

TMessageText FullButWrongText() {
    return TMessageText("There are one or more squares wrong...");
}

TMessageText FinishedText() {
    return TMessageText("Puzzle Complete");
}
