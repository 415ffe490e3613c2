#include "game/PuzzlePage.h"

#include <string>

#include "report/BaseReport.h"

void PrintPuzzlePage(TBaseReport& Surface, const platform::RgbBitmap& Board, int32_t PuzzleNumber) {
    Surface.SelectFont("Arial", 12);
    Surface.SetFontColor(0);
    Surface.PrintAt(0.5, 0.5,
                    "Sudoku Puzzle Number " + std::to_string(PuzzleNumber) + " Courtesy of " + VelmoraSite);
    Surface.DrawBitmapRect(0.6, 0.6, 6.6, 6.6, Board);
}
