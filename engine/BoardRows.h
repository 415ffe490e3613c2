// A board as one line of text: nine rows from the top, each left to right, "." for an empty
// square, rows joined by "/" (e.g. "172.43.../..518..34/..."). Used by velmora-cli and tests.
#pragma once

#include "engine/Board.h"
#include "engine/TMessageText.h"

#include <string_view>

// Values outside 1-9 are written as "?".
TMessageText BoardRowsText(const TBoard& board);

// Reads the same form into board's values (flags cleared); false, with board unchanged, when the
// text is not nine "/"-separated rows of nine digits or dots.
bool ParseBoardRows(std::string_view text, TBoard& board);
