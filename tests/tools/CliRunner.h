// Runs velmora-cli, or another command the tests check its files with, and captures what it prints.
#pragma once

#include <string>
#include <vector>

struct CliResult {
    int Status = -1; // exit status, or -1 when the program did not exit normally
    std::string Out; // standard output
    std::string Err; // standard error
};

CliResult RunCli(const std::vector<std::string>& args);

// Runs a shell command line (qpdf, pdftotext, ...) with standard error joined to Out.
CliResult RunCommand(const std::string& command);
