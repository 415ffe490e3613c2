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
    ShowChanges(Game.ApplySettings(LoadSettingsFile(platform::ProgramPaths::BesideExecutable(".ini"))));
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
    if (Game.SaveGameFile(platform::ProgramPaths::BesideExecutable(".sav"))) return true;
    ShowChanges(chHelp);
    return false;
}

void TMainForm::LoadGame() {
    const TLoadResult loaded = Game.LoadGameFile(platform::ProgramPaths::BesideExecutable(".sav"));
    if (loaded.Outcome == TLoadOutcome::loNoFile) {
        QMessageBox::information(this, QString::fromLatin1(GameTexts::InformationTitle),
                                 QString::fromLatin1(GameTexts::NoSavedGame));
        return;
    }
    ShowChanges(loaded.Changes);
}

void TMainForm::BtnOpenClick() {
    LoadGame();
}

void TMainForm::BtnSaveClick() {
    SaveGame();
}

bool TMainForm::FormCloseQuery() {
    if (!Game.GameInProgress()) return true;
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
