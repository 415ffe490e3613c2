// velmora-cli as a user runs it, with what it prints.
#pragma once

#include "RunCommand.h"

#include <string>
#include <vector>

using CliResult = test::CommandResult;

inline CliResult RunCli(std::vector<std::string> args) {
    args.insert(args.begin(), VELMORA_CLI_PATH);
    return test::RunCommand(args);
}

// A shell command line (qpdf, pdftoppm, ...), with standard error joined to Out.
inline CliResult RunCommand(const std::string& commandLine) {
    return test::RunCommand({"/bin/sh", "-c", commandLine + " 2>&1"});
}
