// The settings file, the saved game and the question on closing.
#include "app/MainForm.h"
#include "game/GameTexts.h"
#include "platform/ProgramPaths.h"
#include "platform/SafeFile.h"

#include <QMessageBox>

#include <iostream>

namespace {

QString Shown(const char* text) {
    return QString::fromLatin1(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

void TMainForm::LoadSettings() {
    // Temporary files of a save that was killed halfway.
    for (const std::string& file :
         {platform::ProgramPaths::SettingsFile(), platform::ProgramPaths::SavedGameFile(),
          platform::ProgramPaths::BesideSavedGame(".notes"),
          platform::ProgramPaths::BesideSettings(".times")})
        platform::SafeFile::RemoveStaleTemporaries(file);
    ShowChanges(Game.ApplySettings(LoadSettingsFile(platform::ProgramPaths::SettingsFile())));
}

bool TMainForm::SaveSettings() {
    const std::string path = platform::ProgramPaths::SettingsFile();
    const TSettingsSaveResult saved = SaveSettingsFile(path, Game.CurrentSettings());
    if (saved) return true;
    if (saved.Outcome == TSettingsSaveOutcome::ssUnreadableKept) {
        std::cerr << "velmora-puzzle: " << saved.Reason << "\n";
        return false;
    }
    QMessageBox::critical(nullptr, QString::fromLatin1(GameTexts::ApplicationTitle),
                          QString::fromLatin1(GameTexts::UnableToWrite)
                              .replace(QStringLiteral("%s"), QString::fromStdString(path)));
    return false;
}

// The notes go into their own file beside the saved game, so the saved game stays as it always
// was; a companion that could not be written is simply not used by the next Load. The help line
// says when a save failed, and stops saying so once one succeeds.
bool TMainForm::SaveGame() {
    const std::string path = platform::ProgramPaths::SavedGameFile();
    const bool saved = Game.SaveGameFile(path);
    if (saved) Game.SaveNotesFile(platform::ProgramPaths::BesideSavedGame(".notes"));
    ShowChanges(chHelp);
    return saved;
}

void TMainForm::LoadGame() {
    const std::string path = platform::ProgramPaths::SavedGameFile();
    TLoadResult loaded = Game.LoadGameFile(path);
    if (loaded.Outcome == TLoadOutcome::loNoFile) {
        QMessageBox::information(this, QString::fromLatin1(GameTexts::InformationTitle),
                                 QString::fromLatin1(GameTexts::NoSavedGame));
        return;
    }
    if (loaded.Outcome == TLoadOutcome::loLoaded)
        loaded.Changes |= Game.LoadNotesFile(platform::ProgramPaths::BesideSavedGame(".notes"));
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
