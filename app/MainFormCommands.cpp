// The toolbar and menu commands, the clock and the options.
#include "app/AboutForm.h"
#include "app/BlinkMarker.h"
#include "app/MainForm.h"
#include "app/NumberPicker.h"
#include "app/PrintCommand.h"
#include "game/GameTexts.h"

#include <QAction>
#include <QButtonGroup>
#include <QInputDialog>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <QToolButton>

void TMainForm::ShowGame() {
    HelpLbl->setText(QString::fromStdString(Game.HelpText));
    HelpLbl->setVisible(Game.HelpVisible);
    StatusPane2->setText(QString::fromStdString(Game.PuzzlePane));
    StatusPane1->setText(QString::fromStdString(Game.ProgressPane));
    ProgressBar1->setValue(Game.Percentage);
    LEDDisplay1->setText(QString::fromStdString(Game.ClockText));
    BtnPost->setEnabled(Game.PostEnabled);
    BtnHelp->setEnabled(Game.HelpEnabled);
    BtnFinish->setEnabled(Game.FinishEnabled);
    HiliteRowandColumn1->setChecked(Game.Options.HiliteRowAndColumn);
    HiliteCell1->setChecked(Game.Options.HiliteCell);
    TimedGame1->setChecked(Game.Options.TimedGame);
    BlinkLbl->setVisible(Game.MarkerShown);
    // Enabling a running timer does not restart its interval.
    if (Game.ClockChanges != ShownClockChanges) {
        ShownClockChanges = Game.ClockChanges;
        if (!Game.ClockRunning)
            Timer1.stop();
        else if (!Timer1.isActive())
            Timer1.start();
    }
    if (!Game.MarkerTimeoutArmed)
        TimeoutTimer.stop();
    else if (!TimeoutTimer.isActive())
        TimeoutTimer.start();
}

void TMainForm::BtnNewClick() {
    Game.DealNew();
    ShowGame();
    DrawBoard(Game.State.Board);
}

void TMainForm::LevelMouseDown(int level) {
    if (QAbstractButton* button = LevelGroup->button(level)) button->setChecked(true);
    Game.DealLevel(level);
    ShowGame();
    DrawBoard(Game.State.Board);
}

void TMainForm::BtnFindClick() {
    bool ok = false;
    const QString text = QInputDialog::getText(this, QString::fromLatin1(GameTexts::FindCaption),
                                               QString::fromLatin1(GameTexts::FindPrompt), QLineEdit::Normal,
                                               QString::fromLatin1(GameTexts::FindDefault), &ok);
    if (ok) FindPuzzle(text);
}

void TMainForm::FindPuzzle(const QString& text) {
    Game.DealFind(text.toStdString());
    ShowGame();
    DrawBoard(Game.State.Board);
}

void TMainForm::Gotorandompuzzle1Click() {
    Game.DealRandomPuzzle();
    ShowGame();
    DrawBoard(Game.State.Board);
}

void TMainForm::BtnRefreshClick() {
    Game.Restart();
    ShowGame();
    DrawBoard(Game.State.Board);
}

void TMainForm::BtnPostClick() {
    Game.Check();
    ShowGame();
    DrawBoard(Game.State.Board);
}

void TMainForm::BtnHelpClick() {
    Game.Hint();
    ShowGame();
    DrawBoard(Game.State.Board);
}

// Each digit is on the screen during its pause; the window takes no input meanwhile.
void TMainForm::BtnFinishClick() {
    Game.Finish([this](const TBoard& board, const TSquareDigit&) {
        DrawBoard(board);
        if (FinishPause > 0) QThread::msleep(static_cast<unsigned long>(FinishPause));
    });
    ShowGame();
    DrawBoard(Game.State.Board);
}

void TMainForm::BtnPrintClick() {
    TPrintCommand(*this).Execute();
}

void TMainForm::BtnExitClick() {
    close();
}

void TMainForm::About1Click() {
    TAboutForm box(this);
    box.exec();
}

void TMainForm::HiliteRowandColumn1Click() {
    Game.Options.HiliteRowAndColumn = HiliteRowandColumn1->isChecked();
    DrawBoard(Game.State.Board);
}

void TMainForm::HiliteCell1Click() {
    Game.Options.HiliteCell = HiliteCell1->isChecked();
    DrawBoard(Game.State.Board);
}

void TMainForm::TimedGame1Click() {
    Game.SetTimedGame(TimedGame1->isChecked());
    LEDDisplay1->setText(QString::fromStdString(Game.ClockText));
}

void TMainForm::Timer1Timer() {
    Game.Tick();
    LEDDisplay1->setText(QString::fromStdString(Game.ClockText));
}

void TMainForm::Toolbar1MouseLeave() {
    SetToolTipTime(3000);
}
