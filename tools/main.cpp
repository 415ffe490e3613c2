// velmora-cli: the puzzle engine and the report path from the command line.
#include "CliCommand.h"

#include <iostream>
#include <string>
#include <vector>

static void PrintHelp() {
    std::cout << "velmora-cli: Velmora 9x9 Puzzle from the command line\n\nUsage:\n";
    for (const auto& c : cli::Commands())
        std::cout << "  " << c.Usage << "\n";
    std::cout << "  velmora-cli --help\n\n";
    for (const auto& c : cli::Commands())
        std::cout << c.Help << "\n";
    std::cout << "Exit status: 0 success, 1 a file could not be read or written, 2 bad usage.\n";
}

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return cli::UsageError("no command given");
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp();
        return cli::ExitOk;
    }
    for (const auto& c : cli::Commands()) {
        if (args[0] == c.Name) {
            args.erase(args.begin());
            return c.Run(args);
        }
    }
    return cli::UsageError("unknown command '" + args[0] + "'");
}
