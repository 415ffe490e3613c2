// Where the program's own files live: the settings and saved-game files sit beside the executable
// and are named after it.
#pragma once

#include <string>
#include <string_view>

namespace platform {

class ProgramPaths {
  public:
    // The executable's absolute path, read from /proc/self/exe, or the override when one is set.
    // Returns an empty string when the path cannot be determined (no /proc).
    static std::string ExecutablePath();

    // Replaces the executable path for the rest of the process (tests point it into a temporary
    // folder). An empty path removes the override.
    static void SetExecutablePathOverride(std::string path);

    // The path with its extension replaced by Extension (which includes the dot, e.g. ".ini").
    // The extension is the text from the last "." that follows the last "/"; a name without one
    // gets Extension appended: "/opt/velmora-puzzle" -> "/opt/velmora-puzzle.ini",
    // "/opt/Sudoku.exe" -> "/opt/Sudoku.ini", "/opt/a.b/game" -> "/opt/a.b/game.ini".
    static std::string ChangeExtension(std::string_view path, std::string_view extension);

    // ChangeExtension(ExecutablePath(), Extension): "<executable>.ini", "<executable>.sav".
    // Empty when the executable path is unknown.
    static std::string BesideExecutable(std::string_view extension);
};

} // namespace platform
