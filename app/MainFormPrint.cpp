// The window's side of the Print command: the clock, the highlighting and the board picture that
// the command changes, prints and puts back.
#include "app/MainForm.h"
#include "board/RgbBitmapFromImage.h"

#include <QMessageBox>

void TMainForm::BtnPrintClick() {
    TPrintCommand(*this).Execute();
}

void TMainForm::PrintBook1Click() {
    TPrintCommand(*this).ExecuteBook(Game.State().Difficulty);
}

void TMainForm::SetClockRunning(bool Running) {
    if (Running)
        Timer1.start();
    else
        Timer1.stop();
}

bool TMainForm::HiliteRowAndColumn() const {
    return Game.Options().HiliteRowAndColumn;
}

bool TMainForm::HiliteCell() const {
    return Game.Options().HiliteCell;
}

// The menu keeps its check marks: the highlighting is off only for the printed picture.
void TMainForm::SetHilite(bool RowAndColumn, bool Cell) {
    Game.SetHiliteRowAndColumn(RowAndColumn);
    Game.SetHiliteCell(Cell);
}

// DrawBoard paints BoardBitmap and repaints the paint box at once, also when the window is not on
// screen.
void TMainForm::RepaintBoard() {
    DrawBoard(Game.Board());
}

bool TMainForm::ClockShouldRun() const {
    return Game.Options().TimedGame && Game.ClockRunning();
}

// The printed board is the normal-size picture without the keyboard's cursor, the notes, the
// conflict and same-digit tints or the pause: the page is the same at any window size.
platform::RgbBitmap TMainForm::BoardPicture() const {
    TBoardView view = CurrentView();
    view.Notes = nullptr;
    view.Conflicts = {};
    view.CursorCol = view.CursorRow = 0;
    view.SameDigit = 0;
    view.Paused = false;
    return ToRgbBitmap(DrawBoardImage(Game.Board(), view));
}

std::int32_t TMainForm::PuzzleNumber() const {
    return Game.State().PuzzleNumber;
}

void TMainForm::ShowError(const std::string& Message) {
    QMessageBox::warning(this, QStringLiteral("Print"), QString::fromStdString(Message));
}
