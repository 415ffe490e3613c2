// The pages of a puzzle book on the report surface, all in vectors: each board a grid of
// rectangles with the board view's 3-pixel and 1-pixel line weights scaled to paper, its digits in
// Arial centred in their squares, a title above it, and the page number at the foot.
#pragma once

#include <cstdint>

class TBaseReport;
struct TBookOptions;

// Where one board of a page goes, in inches from the page's top-left corner.
struct TBookBoardFrame {
    double Left = 0;
    double Top = 0;
    double Side = 0;     // the grid is Side square, nine squares of Side / 9
    int DigitPoints = 0; // font size of the digits
    int TitlePoints = 0; // font size of the title, centred above the board
    double TitleBaseline = 0;
};

// Board Index (0-based, rows of boards left to right from the top) of a page holding PerPage
// boards, puzzles or solutions. The digit size is whole points, a square exactly as wide as a digit
// and three spaces (two on a solution), and boards side by side a whole number of spaces apart, so
// that a row of digits across them prints as one line of text.
TBookBoardFrame BookBoardFrame(double PageWidth, double PageHeight, int PerPage, int Index, bool Solution);

// Baseline of the page number, centred at the foot of the page.
double BookFooterBaseline(double PageHeight);

// Lays out the whole book on Surface (inches), dealing each puzzle as its page comes: the puzzles
// PerPage to a page, then, when asked for, the solutions. Stops at the next page once the run is
// aborted (the status window's Cancel). A puzzle that cannot be dealt fails with EReportError.
void PrintPuzzleBook(TBaseReport& Surface, const TBookOptions& Options);
