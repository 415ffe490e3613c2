// velmora-cli new: presses New K times after a fresh start, showing the stream of draws.
#include "CliCommand.h"
#include "tools/PuzzleOptions.h"

#include "engine/PuzzleChoice.h"

#include <iostream>

namespace {

int RunNew(const std::vector<std::string>& args) {
    cli::PuzzleWindow window;
    std::vector<std::string> rest;
    std::string error;
    if (!cli::ParseWindowOptions(args, window, rest, error)) return cli::UsageError(error);
    if (rest.size() != 1) return cli::UsageError("new needs exactly one count K");
    std::int32_t presses = 0;
    if (!cli::ParseInt32(rest[0], presses) || presses < 1)
        return cli::UsageError("K must be a number of at least 1");

    TGameState state;
    TRandomGenerator random; // as the window is created: RandomSeed = 1
    cli::ApplyWindow(window, state);
    for (std::int32_t k = 0; k < presses; ++k) {
        if (!DealNew(state, random)) return cli::NotDealt(state);
        std::cout << cli::PuzzleLine(state, random) << '\n';
    }
    return std::cout.flush() ? cli::ExitOk : cli::ExitBadInput;
}

const cli::CliRegistration reg{{
    "new",
    "velmora-cli new K [--level L [--startup] | --window MIN MAX]",
    "new: starts as the game does (generator state 1) and presses New K times, printing the puzzle line\n"
    "of each deal as puzzle does; each New draws its number from where the previous deal left the stream.\n",
    &RunNew,
    11,
}};

} // namespace
