#include "CliCommand.h"

#include <algorithm>
#include <iostream>

namespace cli {

static std::vector<CliCommand>& Registry() {
    static std::vector<CliCommand> commands;
    return commands;
}

CliRegistration::CliRegistration(const CliCommand& command) {
    auto& commands = Registry();
    commands.push_back(command);
    std::stable_sort(commands.begin(), commands.end(),
                     [](const CliCommand& a, const CliCommand& b) { return a.Order < b.Order; });
}

const std::vector<CliCommand>& Commands() {
    return Registry();
}

int UsageError(const std::string& message) {
    std::cerr << "velmora-cli: " << message << "\n"
              << "Try 'velmora-cli --help'.\n";
    return ExitUsage;
}

} // namespace cli
