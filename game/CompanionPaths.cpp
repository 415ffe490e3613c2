#include "game/CompanionPaths.h"

#include "platform/ProgramPaths.h"

std::string NotesPathFor(const std::string& savedGamePath) {
    if (savedGamePath.empty()) return {};
    return platform::ProgramPaths::ChangeExtension(savedGamePath, ".notes");
}

std::string BestTimesPathFor(const std::string& settingsPath) {
    if (settingsPath.empty()) return {};
    return platform::ProgramPaths::ChangeExtension(settingsPath, ".times");
}
