// The picture of the board: the window shows it, the print layout prints it and velmora-cli
// saves it, so it is drawn from plain inputs into an image and needs no window (a
// QGuiApplication, even on the offscreen platform, is enough for the fonts).
#pragma once

#include "engine/Board.h"
#include "game/Conflicts.h"
#include "game/Notes.h"

#include <QImage>

// Edge of the board picture in pixels at its normal size; a square is BoardPixels / 9 = 44
// pixels. Larger pictures (a larger window, a display scale factor) scale everything with the
// square, so lines and digits stay sharp.
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
    bool MarkerShown = false;      // the blinking marker frames the mark, so it is not painted red
    int SameDigit = 0;             // squares holding this digit get a soft tint; 0 = none
    TConflicts Conflicts;          // digits of these squares are drawn red
    const TNotes* Notes = nullptr; // pencil marks, drawn in empty squares
    int CursorCol = 0;             // the keyboard's square, framed; 0 = not shown
    int CursorRow = 0;
    bool Paused = false; // the board is hidden under "Paused"
};

// Paints Board into Target, a square picture of any size (the square size is the height div 9).
// Every pixel of Target is painted.
void PaintBoard(QImage& target, const TBoard& board, const TBoardView& view = {});

// A new Pixels x Pixels RGB32 image holding the board.
QImage DrawBoardImage(const TBoard& board, const TBoardView& view = {}, int pixels = BoardPixels);

// The square (1-9) that a pointer position on a board picture of Extent pixels lies in; the
// last pixels beyond nine whole squares count as the ninth. Extent below 9 gives 1.
int SquareAt(int position, int extent = BoardPixels);
