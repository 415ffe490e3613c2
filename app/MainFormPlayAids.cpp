// The window's side of undo and redo, the notes, pause, the two newer highlight options and the
// best times.
#include "app/BestTimesForm.h"
#include "app/MainForm.h"
#include "game/BestTimes.h"
#include "game/GameTexts.h"
#include "platform/ProgramPaths.h"

#include <QAction>
#include <QEvent>
#include <QMessageBox>

namespace {

std::string BestTimesPath() {
    return platform::ProgramPaths::BesideSettings(".times");
}

// A message that does not stop the game: the window goes on while it shows.
void Tell(QWidget* parent, const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Information, QString::fromLatin1(GameTexts::BestTimesCaption),
                                text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(QStringLiteral("BestTimesMessage"));
    box->open();
}

TBestTimes LoadBestTimes(QWidget* parent) {
    const TBestTimesLoad loaded = LoadBestTimesFile(BestTimesPath());
    if (loaded.Damaged) Tell(parent, QString::fromLatin1(GameTexts::BestTimesDamaged));
    return loaded.Times;
}

} // namespace

void TMainForm::Undo1Click() {
    ShowChanges(Game.Undo());
}

void TMainForm::Redo1Click() {
    ShowChanges(Game.Redo());
}

void TMainForm::NotesMode1Click() {
    ShowChanges(Game.SetNotesMode(NotesMode1->isChecked()));
}

void TMainForm::FillNotes1Click() {
    ShowChanges(Game.FillNotes());
}

void TMainForm::Pause1Click() {
    ShowChanges(Game.SetPaused(!Game.Paused()) | chPaused); // the check mark follows the game
}

void TMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && !Game.Paused())
        ShowChanges(Game.SetPaused(true));
}

void TMainForm::HiliteErrors1Click() {
    ShowChanges(Game.SetHiliteErrors(HiliteErrors1->isChecked()));
}

void TMainForm::HiliteSameDigit1Click() {
    ShowChanges(Game.SetHiliteSameDigit(HiliteSameDigit1->isChecked()));
}

// The help line keeps its congratulations; a new best time is told in a message of its own.
void TMainForm::RecordCompletion() {
    const TCountedGame& counted = Game.CountedGame();
    TBestTimes times = LoadBestTimes(this);
    const bool best = times.AddCompletion(counted.Level, counted.Seconds);
    if (!SaveBestTimesFile(BestTimesPath(), times)) return;
    if (best)
        Tell(this, QString::fromLatin1(GameTexts::NewBestTime)
                       .arg(QString::fromLatin1(LevelName(counted.Level).data()),
                            QString::fromStdString(FormatMinutes(counted.Seconds))));
}

void TMainForm::BestTimes1Click() {
    TBestTimesForm box(LoadBestTimes(this), this);
    box.exec();
}
