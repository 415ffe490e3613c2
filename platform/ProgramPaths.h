// Where the program's own files live.
//
// A copy of the game in a folder the player can write (the build tree, a portable copy) keeps its
// files beside the executable, named after it: "<folder>/velmora-puzzle.ini", ".sav". An installed
// copy (its desktop entry sits in ../share/applications beside its folder) and a copy in a folder the
// player cannot write keep them in the XDG folders instead: the settings and their companions in
// "$XDG_CONFIG_HOME/velmora-puzzle/", the saved game and its companions in
// "$XDG_DATA_HOME/velmora-puzzle/". The executable's place and the rule are settled once, at the
// first question (main asks at start-up), so replacing the executable while the game runs changes
// nothing.
#pragma once

#include <set>
#include <string>
#include <string_view>

namespace platform {

// The parts of the environment the choice depends on.
struct TProgramEnvironment {
    std::string Home;          // $HOME, or the account's home folder when unset
    std::string XdgConfigHome; // $XDG_CONFIG_HOME as given (relative values are ignored)
    std::string XdgDataHome;   // $XDG_DATA_HOME as given

    static TProgramEnvironment Current();
};

// The files of one executable, decided once from its path.
class TProgramFiles {
  public:
    TProgramFiles(std::string executablePath, const TProgramEnvironment& environment);

    const std::string& ExecutablePath() const { return Executable; }
    // True when the files sit beside the executable, false when they live in the XDG folders.
    bool BesideExecutable() const { return Beside; }

    // "<settings folder>/<base name><extension>", e.g. BesideSettings(".ini"). In the XDG folders the
    // folder is created on the first question (mode 0700), and a file of the same name found beside
    // the executable while none exists here yet is copied over first, so a player who used the game
    // from its own folder before keeps their files.
    std::string BesideSettings(std::string_view extension);
    // The same beside the saved game, e.g. BesideSavedGame(".sav").
    std::string BesideSavedGame(std::string_view extension);

  private:
    std::string Companion(const std::string& folder, std::string_view extension);

    std::string Executable;
    std::string ExecutableFolder;
    std::string BaseName; // the executable's name without its extension
    std::string SettingsFolder;
    std::string DataFolder;
    bool Beside = false;
    std::set<std::string> Adopted; // XDG paths already looked after, so a copy happens at most once
};

class ProgramPaths {
  public:
    // Settles the executable's place and the rule for this process; later calls, and every other
    // function here, keep that first answer.
    static void Resolve();

    // The executable's absolute path as read from /proc/self/exe at resolution (or the override).
    // Empty when it cannot be determined (no /proc).
    static std::string ExecutablePath();

    // Replaces the executable path for the rest of the process and decides again (tests point it
    // into a temporary folder). An empty path goes back to the program's own resolution.
    static void SetExecutablePathOverride(std::string path);

    // The path with its extension replaced by Extension (which includes the dot, e.g. ".ini").
    // The extension is the text from the last "." that follows the last "/"; a name without one
    // gets Extension appended: "/opt/velmora-puzzle" -> "/opt/velmora-puzzle.ini",
    // "/opt/Sudoku.exe" -> "/opt/Sudoku.ini", "/opt/a.b/game" -> "/opt/a.b/game.ini".
    static std::string ChangeExtension(std::string_view path, std::string_view extension);

    // Whether this process keeps its files beside the executable (see the top of this file).
    static bool FilesBesideExecutable();
    static std::string SettingsFile();  // BesideSettings(".ini")
    static std::string SavedGameFile(); // BesideSavedGame(".sav")
    // Companion files, e.g. BesideSettings(".best") or BesideSavedGame(".notes").
    static std::string BesideSettings(std::string_view extension);
    static std::string BesideSavedGame(std::string_view extension);
};

// Whether the player may create files in Folder. Root passes every permission check, so for root a
// folder whose mode lets nobody write counts as read-only too.
bool FolderWritable(const std::string& folder);

} // namespace platform
