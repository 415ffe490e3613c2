// The toolbar and menu commands, the clock and the options.
#include "app/AboutForm.h"
#include "app/BlinkMarker.h"
#include "app/MainForm.h"
#include "app/NumberPicker.h"
#include "game/GameTexts.h"

#include <QAction>
#include <QButtonGroup>
#include <QInputDialog>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QToolButton>

void TMainForm::ShowChanges(TChanges changes) {
    const TGameDisplay& shown = Game.Display();
    if (changes.Has(chHelp)) {
        HelpLbl->setText(QString::fromStdString(shown.HelpText));
        HelpLbl->setVisible(shown.HelpVisible);
    }
    if (changes.Has(chProgress)) {
        StatusPane2->setText(QString::fromStdString(shown.PuzzlePane));
        StatusPane1->setText(QString::fromStdString(shown.ProgressPane));
        ProgressBar1->setValue(shown.Percentage);
    }
    if (changes.Has(chClock)) LEDDisplay1->setText(QString::fromStdString(shown.ClockText));
    if (changes.Has(chCommands)) {
        BtnPost->setEnabled(shown.PostEnabled);
        BtnHelp->setEnabled(shown.HelpEnabled);
        BtnFinish->setEnabled(shown.FinishEnabled);
        Post1->setEnabled(shown.PostEnabled);
        Hint1->setEnabled(shown.HelpEnabled);
        Finish1->setEnabled(shown.FinishEnabled);
    }
    if (changes.Has(chOptions)) {
        HiliteRowandColumn1->setChecked(Game.Options().HiliteRowAndColumn);
        HiliteCell1->setChecked(Game.Options().HiliteCell);
        TimedGame1->setChecked(Game.Options().TimedGame);
        HiliteErrors1->setChecked(Game.Options().HiliteErrors);
        HiliteSameDigit1->setChecked(Game.Options().HiliteSameDigit);
    }
    if (changes.Has(chNotes)) NotesMode1->setChecked(Game.NotesMode());
    if (changes.HasAny(chHistory | chPaused)) {
        Undo1->setEnabled(Game.CanUndo());
        Redo1->setEnabled(Game.CanRedo());
    }
    if (changes.HasAny(chPaused | chClockRun | chGameStarted | chGameEnded)) {
        Pause1->setChecked(Game.Paused());
        Pause1->setEnabled(Game.CanPause());
        if (Game.Paused()) PickerPanel->hide();
    }
    if (changes.Has(chMarker)) {
        BlinkLbl->setVisible(Game.Mark().MarkerShown);
        // Enabling a running timer does not restart its interval.
        if (!Game.Mark().MarkerTimeoutArmed)
            TimeoutTimer.stop();
        else if (!TimeoutTimer.isActive())
            TimeoutTimer.start();
    }
    // Only the game's own starts and stops move the clock, so a pause the window makes itself
    // (printing) lasts until the game next starts or stops it.
    if (changes.Has(chClockRun)) {
        if (!Game.ClockRunning())
            Timer1.stop();
        else if (!Timer1.isActive())
            Timer1.start();
    }
    // The marker alone is no reason to repaint: when it times out, the square shows red from the
    // next repaint on.
    if (changes.HasAny(chBoard | chSquares | chMark | chOptions | chNotes | chCursor | chPaused))
        DrawBoard(Game.Board());
    if (changes.Has(chRecord)) RecordCompletion();
}

void TMainForm::BtnNewClick() {
    ShowChanges(Game.DealNew());
}

void TMainForm::LevelMouseDown(int level) {
    if (QAbstractButton* button = LevelGroup->button(level)) button->setChecked(true);
    ShowChanges(Game.DealLevel(level));
}

void TMainForm::BtnFindClick() {
    bool ok = false;
    const QString text = QInputDialog::getText(this, QString::fromLatin1(GameTexts::FindCaption),
                                               QString::fromLatin1(GameTexts::FindPrompt), QLineEdit::Normal,
                                               QString::fromLatin1(GameTexts::FindDefault), &ok);
    if (ok) FindPuzzle(text);
}

void TMainForm::FindPuzzle(const QString& text) {
    ShowChanges(Game.DealFind(text.toStdString()));
}

void TMainForm::Gotorandompuzzle1Click() {
    ShowChanges(Game.DealRandomPuzzle());
}

void TMainForm::BtnRefreshClick() {
    ShowChanges(Game.Restart());
}

void TMainForm::BtnPostClick() {
    ShowChanges(Game.Check());
}

void TMainForm::BtnHelpClick() {
    ShowChanges(Game.Hint());
}

// Each digit is on the screen during its pause; the window takes no input meanwhile.
void TMainForm::BtnFinishClick() {
    ShowChanges(Game.Finish([this](const TBoard& board, const TSquareDigit&) {
        DrawBoard(board);
        if (FinishPause > 0) QThread::msleep(static_cast<unsigned long>(FinishPause));
    }));
}

void TMainForm::BtnExitClick() {
    close();
}

void TMainForm::About1Click() {
    TAboutForm box(this);
    box.exec();
}

void TMainForm::HiliteRowandColumn1Click() {
    ShowChanges(Game.SetHiliteRowAndColumn(HiliteRowandColumn1->isChecked()));
}

void TMainForm::HiliteCell1Click() {
    ShowChanges(Game.SetHiliteCell(HiliteCell1->isChecked()));
}

void TMainForm::TimedGame1Click() {
    ShowChanges(Game.SetTimedGame(TimedGame1->isChecked()));
}

void TMainForm::Timer1Timer() {
    ShowChanges(Game.Tick());
}

void TMainForm::Toolbar1MouseLeave() {
    SetToolTipTime(3000);
}
