// Runs a program the way a user would from a shell, and captures what it prints.
#pragma once

#include <string>
#include <vector>

namespace test {

struct CommandResult {
    int Status = -1; // exit status, or -1 when the program did not exit normally
    std::string Out; // standard output
    std::string Err; // standard error
};

// Args[0] is the program, found on PATH unless it holds a slash; no shell is involved, standard
// input is empty.
CommandResult RunCommand(const std::vector<std::string>& args);

} // namespace test
