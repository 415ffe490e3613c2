// velmora-cli find: deals what the game's Find deals for a typed text.
#include "CliCommand.h"
#include "tools/PuzzleOptions.h"

#include "engine/PuzzleChoice.h"

#include <iostream>

namespace {

int RunFind(const std::vector<std::string>& args) {
    cli::PuzzleWindow window;
    std::vector<std::string> rest;
    std::string error;
    if (!cli::ParseWindowOptions(args, window, rest, error)) return cli::UsageError(error);
    if (rest.size() != 1) return cli::UsageError("find needs exactly one TEXT (quote it if it has spaces)");

    TGameState state;
    TRandomGenerator random;
    cli::ApplyWindow(window, state);
    if (!DealFind(state, random, rest[0])) return cli::NotDealt(state);
    std::cout << cli::PuzzleLine(state, random) << '\n';
    return std::cout.flush() ? cli::ExitOk : cli::ExitBadInput;
}

const cli::CliRegistration reg{{
    "find",
    "velmora-cli find TEXT [--level L [--startup] | --window MIN MAX]",
    "find: reads TEXT as the game's Find does (a signed 32-bit decimal number, spaces around it ignored;\n"
    "anything else, and any number below 1, gives 1) and prints the puzzle line of that deal.\n",
    &RunFind,
    12,
}};

} // namespace
