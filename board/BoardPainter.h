// The picture of the board: the window shows it, the print layout prints it and velmora-cli
// saves it, so it is drawn from plain inputs into an image and needs no window (a
// QGuiApplication, even on the offscreen platform, is enough for the fonts).
#pragma once

#include "engine/Board.h"

#include <QImage>

// Edge of the board picture in pixels; a square is BoardPixels / 9 = 44 pixels.
constexpr int BoardPixels = 399;

// What the board view shows besides the digits.
struct TBoardView {
    bool HiliteRowAndColumn = false; // tint the row and column under the pointer
    bool HiliteCell = false;         // tint the 3 x 3 box under the pointer (wins over the row tint)
    bool UserFont = true;            // the player's digits in italics; off: bold like the givens
    int HoverCol = 0;                // square under the pointer, 1-9; 0 = none yet
    int HoverRow = 0;
    int HoverBox = 0; // box under the pointer, 1-9; 0 = none
    int MarkCol = -1; // square marked by a hint or a failed check; -1 = none
    int MarkRow = -1;
    bool MarkerShown = false; // the blinking marker frames the mark, so it is not painted red
};

// Paints Board into Target (normally BoardPixels square; the square size is the height div 9).
// Every pixel of Target is painted.
void PaintBoard(QImage& target, const TBoard& board, const TBoardView& view = {});

// A new BoardPixels x BoardPixels RGB32 image holding the board.
QImage DrawBoardImage(const TBoard& board, const TBoardView& view = {});

// The square (1-9) that a pointer position on a board picture of Extent pixels lies in; the
// last pixels beyond nine whole squares count as the ninth. Extent below 9 gives 1.
int SquareAt(int position, int extent = BoardPixels);
