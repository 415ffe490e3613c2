// velmora-cli as a user runs it, with what it prints.
#pragma once

#include "RunCommand.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

// A command line velmora-cli refuses: the exit status (2 for bad usage, 1 for a file it cannot
// read or write) and the first line it prints on standard error, after "velmora-cli: ". "$DIR" in
// the arguments and the message stands for the test's folder.
struct TRefusal {
    std::vector<std::string> Args;
    int Status;
    std::string Message;
};

inline std::string InFolder(std::string text, const std::string& dir) {
    for (std::size_t at = text.find("$DIR"); at != std::string::npos; at = text.find("$DIR", at + dir.size()))
        text.replace(at, 4, dir);
    return text;
}

inline void ExpectRefusals(const std::vector<TRefusal>& rows, const std::string& dir = {}) {
    for (const TRefusal& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.Args));
        std::vector<std::string> args;
        for (const std::string& arg : row.Args)
            args.push_back(InFolder(arg, dir));
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.Status, row.Status);
        EXPECT_EQ(result.Out, "");
        EXPECT_EQ(result.Err.substr(0, result.Err.find('\n')), "velmora-cli: " + InFolder(row.Message, dir));
    }
}

// A test with a folder of its own, and a fixed creation date for the PDF files it writes.
class TCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SOURCE_DATE_EPOCH", "1796540889", 1);
        setenv("TZ", "UTC", 1);
    }
    std::string P(const char* name) const { return Dir.File(name); }
    test::TempFolder Dir;
};
