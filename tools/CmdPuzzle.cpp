// velmora-cli puzzle: deals numbered puzzles and prints them one line each.
#include "CliCommand.h"
#include "tools/PuzzleOptions.h"

#include <iostream>

namespace {

int RunPuzzle(const std::vector<std::string>& args) {
    cli::PuzzleOptions options;
    std::vector<std::string> rest;
    std::string error;
    if (!cli::ParsePuzzleOptions(args, options, rest, error)) return cli::UsageError(error);
    std::int32_t count = 1;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == "--count" && i + 1 < rest.size()) {
            if (!cli::ParseInt32(rest[++i], count) || count < 1)
                return cli::UsageError("--count needs a number of at least 1");
        } else {
            return cli::UsageError("unexpected argument '" + rest[i] + "'");
        }
    }
    for (std::int32_t k = 0; k < count; ++k) {
        TGameState state;
        TRandomGenerator random;
        if (!cli::DealPuzzle(options, state, random)) return cli::NotDealt(state);
        std::cout << cli::PuzzleLine(state, random) << '\n';
        // The next number, wrapping from 2147483647 to -2147483648 as a 32-bit pattern.
        options.Number = static_cast<std::int32_t>(static_cast<std::uint32_t>(options.Number) + 1u);
    }
    return std::cout.flush() ? cli::ExitOk : cli::ExitBadInput;
}

const cli::CliRegistration reg{{
    "puzzle",
    "velmora-cli puzzle NUMBER [--level L [--startup] | --window MIN MAX] [--count K]",
    "puzzle: deals puzzle NUMBER (-2147483648 to 2147483647, seeding the generator with its 32-bit\n"
    "pattern) and prints one line: NUMBER MIN-MAX HOLES SEED SOLUTION PUZZLE, where MIN-MAX is the window\n"
    "of empty squares, HOLES the empty squares dealt, SEED the generator state after the deal (unsigned),\n"
    "SOLUTION and PUZZLE nine rows from the top, each left to right, '.' for an empty square, joined by\n"
    "'/'. --count K deals NUMBER, NUMBER+1, ... (K lines, wrapping at 32 bits), each from its own seed.\n"
    "  Window options (puzzle, new, find): --level L (1 Easy, 2 Medium, 3 Hard, 4 Extra Hard) uses the\n"
    "  window a level button sets (25-40, 35-45, 48-81, 52-81); --level L --startup the window set at\n"
    "  start-up (25-40, 35-48, 48-52, 52-81); --window MIN MAX any window of empty squares, both inclusive\n"
    "  (MIN <= MAX, MAX >= 5, MIN <= 59; 81 means no upper limit). Default: start-up Medium, 35-48.\n",
    &RunPuzzle,
    10,
}};

} // namespace
