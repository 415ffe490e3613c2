// velmora-cli is a set of sub-commands; each lives in a file of its own and registers itself here,
// so the dispatcher and the help text never need editing when a command is added.
#pragma once

#include <string>
#include <vector>

namespace cli {

// Exit statuses shared by every command: scripts rely on them.
constexpr int ExitOk = 0;
constexpr int ExitBadInput = 1; // a file that cannot be read or written, damaged input
constexpr int ExitUsage = 2;    // bad command line

using CommandFn = int (*)(const std::vector<std::string>& args);

struct CliCommand {
    const char* Name;
    const char* Usage; // one or more lines for --help, each starting with "velmora-cli <name>"
    const char* Help;  // what the command prints or writes
    CommandFn Run;
    int Order; // position in --help
};

// Registers a command; call from a namespace-scope object in the command's own file.
struct CliRegistration {
    explicit CliRegistration(const CliCommand& command);
};

const std::vector<CliCommand>& Commands();

// Prints "velmora-cli: MESSAGE" and a hint to --help on stderr; returns ExitUsage.
int UsageError(const std::string& message);

} // namespace cli
