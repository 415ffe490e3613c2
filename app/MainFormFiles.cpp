// The settings file, the saved game and the question on closing.
#include "app/MainForm.h"
#include "game/GameTexts.h"
#include "platform/ProgramPaths.h"

#include <QMessageBox>

namespace {

QString Shown(const char* text) {
    return QString::fromLatin1(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

void TMainForm::LoadSettings() {
    Game.ApplySettings(LoadSettingsFile(platform::ProgramPaths::BesideExecutable(".ini")));
    HiliteRowandColumn1->setChecked(Game.Options.HiliteRowAndColumn);
    HiliteCell1->setChecked(Game.Options.HiliteCell);
    TimedGame1->setChecked(Game.Options.TimedGame);
}

bool TMainForm::SaveSettings() {
    const std::string path = platform::ProgramPaths::BesideExecutable(".ini");
    if (SaveSettingsFile(path, Game.CurrentSettings())) return true;
    QMessageBox::critical(nullptr, QString::fromLatin1(GameTexts::ApplicationTitle),
                          QString::fromLatin1(GameTexts::UnableToWrite)
                              .replace(QStringLiteral("%s"), QString::fromStdString(path)));
    return false;
}

bool TMainForm::SaveGame() {
    const bool saved = Game.SaveGameFile(platform::ProgramPaths::BesideExecutable(".sav"));
    ShowGame();
    return saved;
}

void TMainForm::LoadGame() {
    const TLoadOutcome outcome = Game.LoadGameFile(platform::ProgramPaths::BesideExecutable(".sav"));
    if (outcome == TLoadOutcome::loNoFile) {
        QMessageBox::information(this, QString::fromLatin1(GameTexts::InformationTitle),
                                 QString::fromLatin1(GameTexts::NoSavedGame));
        return;
    }
    ShowGame();
    DrawBoard(Game.State.Board);
}

void TMainForm::BtnOpenClick() {
    LoadGame();
}

void TMainForm::BtnSaveClick() {
    SaveGame();
}

bool TMainForm::FormCloseQuery() {
    if (!Game.GameInProgress) return true;
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(GameTexts::ConfirmTitle),
                    Shown(GameTexts::SaveQuestion), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    this);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return SaveGame(); // a failed save keeps the window open, with the help line saying so
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}
