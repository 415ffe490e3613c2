// Where the files that accompany the saved game and the settings live: beside them, under the
// same name with their own extension.
#pragma once

#include <string>

// "<folder>/velmora-puzzle.sav" -> "<folder>/velmora-puzzle.notes"
std::string NotesPathFor(const std::string& savedGamePath);
// "<folder>/velmora-puzzle.ini" -> "<folder>/velmora-puzzle.times"
std::string BestTimesPathFor(const std::string& settingsPath);
