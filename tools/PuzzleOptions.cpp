#include "tools/PuzzleOptions.h"

#include "CliCommand.h"

#include "engine/BoardRows.h"
#include "engine/Generator.h"
#include "engine/PuzzleChoice.h"

#include <charconv>

namespace cli {

bool ParseInt32(const std::string& text, std::int32_t& number) {
    const char* const end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, number);
    return !text.empty() && result.ec == std::errc{} && result.ptr == end;
}

namespace {

bool NextNumber(const std::vector<std::string>& args, std::size_t& i, const char* option, std::int32_t& value,
                std::string& error) {
    if (i + 1 >= args.size()) {
        error = std::string(option) + " needs a number";
        return false;
    }
    ++i;
    if (!ParseInt32(args[i], value)) {
        error = std::string(option) + ": '" + args[i] + "' is not a number";
        return false;
    }
    return true;
}

} // namespace

bool ParseWindowOptions(const std::vector<std::string>& args, PuzzleWindow& window,
                        std::vector<std::string>& rest, std::string& error) {
    std::int32_t level = 0;
    bool startup = false, hasWindow = false;
    THoleWindow custom{0, 0};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--level") {
            if (level != 0) {
                error = "--level given twice";
                return false;
            }
            if (!NextNumber(args, i, "--level", level, error)) return false;
            if (level < MinLevel || level > MaxLevel) {
                error = "--level must be 1, 2, 3 or 4";
                return false;
            }
        } else if (arg == "--startup") {
            startup = true;
        } else if (arg == "--window") {
            if (hasWindow) {
                error = "--window given twice";
                return false;
            }
            if (!NextNumber(args, i, "--window", custom.MinHoles, error) ||
                !NextNumber(args, i, "--window", custom.MaxHoles, error))
                return false;
            hasWindow = true;
        } else {
            rest.push_back(arg);
        }
    }
    if (hasWindow && (level != 0 || startup)) {
        error = "--window cannot be combined with --level or --startup";
        return false;
    }
    if (startup && level == 0) {
        error = "--startup needs --level";
        return false;
    }
    if (hasWindow) {
        if (!HoleWindowReachable(custom)) {
            error = "--window " + std::to_string(custom.MinHoles) + " " + std::to_string(custom.MaxHoles) +
                    ": no dig leaves that many empty squares (need MIN <= MAX, MAX >= " +
                    std::to_string(FewestDugHoles) + ", MIN <= " + std::to_string(MostDugHoles) + ")";
            return false;
        }
        window.Window = custom;
    } else if (level != 0) {
        window.Difficulty = level;
        window.Window = startup ? StartupWindow(level) : LevelWindow(level);
    }
    return true;
}

bool ParsePuzzleOptions(const std::vector<std::string>& args, PuzzleOptions& options,
                        std::vector<std::string>& rest, std::string& error) {
    std::vector<std::string> others;
    if (!ParseWindowOptions(args, options.Level, others, error)) return false;
    if (others.empty()) {
        error = "missing puzzle NUMBER";
        return false;
    }
    if (!ParseInt32(others.front(), options.Number)) {
        error = "NUMBER '" + others.front() + "' is not a signed 32-bit number (-2147483648 to 2147483647)";
        return false;
    }
    rest.insert(rest.end(), others.begin() + 1, others.end());
    return true;
}

void ApplyWindow(const PuzzleWindow& window, TGameState& state) {
    state.Difficulty = window.Difficulty;
    state.MinHoles = window.Window.MinHoles;
    state.MaxHoles = window.Window.MaxHoles;
}

bool DealPuzzle(const PuzzleOptions& options, TGameState& state, TRandomGenerator& random) {
    ApplyWindow(options.Level, state);
    return SelectPuzzle(state, random, options.Number);
}

int NotDealt(const TGameState& state) {
    return UsageError("no puzzle with " + std::to_string(state.MinHoles) + "-" +
                      std::to_string(state.MaxHoles) + " empty squares was found within " +
                      std::to_string(MaxGridsPerDeal) + " grids; choose a wider window");
}

std::string PuzzleLine(const TGameState& state, const TRandomGenerator& random) {
    std::string line = std::to_string(state.PuzzleNumber);
    line += ' ';
    line += std::to_string(state.MinHoles) + '-' + std::to_string(state.MaxHoles);
    line += ' ';
    line += std::to_string(state.Holes);
    line += ' ';
    line += std::to_string(random.RandomSeed);
    line += ' ';
    line += BoardRowsText(state.Solution).View();
    line += ' ';
    line += BoardRowsText(state.Puzzle).View();
    return line;
}

} // namespace cli
