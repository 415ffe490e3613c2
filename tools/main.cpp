// velmora-cli: the puzzle engine and the report path from the command line.
#include "CliCommand.h"

#include <iostream>
#include <string>
#include <vector>

// The synopsis comes first, as "Usage: ..." and "  or:  ..." lines, so the manual page takes it over.
static void PrintHelp() {
    const char* lead = "Usage: ";
    for (const auto& c : cli::Commands()) {
        std::cout << lead << c.Usage << "\n";
        lead = "  or:  ";
    }
    std::cout << lead << "velmora-cli --help | --version\n"
              << "Velmora 9x9 Puzzle's numbered puzzles and printed pages from the command line.\n\n";
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
    if (args[0] == "--version") {
        std::cout << "velmora-cli " VELMORA_VERSION "\n";
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
