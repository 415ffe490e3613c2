// The printed puzzle page: one header line and the board picture below it, in inches.
#pragma once

#include <cstdint>

#include "platform/RgbBitmap.h"

class TBaseReport;

// The maker's web site, printed in the page header and shown in the About box.
inline constexpr const char* VelmoraSite = "www.velmora.co.uk";

// Lays out the one page on Surface: the header line naming PuzzleNumber, and Board 6 in square.
void PrintPuzzlePage(TBaseReport& Surface, const platform::RgbBitmap& Board, int32_t PuzzleNumber);
