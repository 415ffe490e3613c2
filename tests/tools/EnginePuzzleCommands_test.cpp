// The puzzle commands of velmora-cli: their one-line output is a contract for scripts.
#include "CliRunner.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

// The golden transcript holds each command line ("$ ARGS") with what it prints: the help text, level
// windows, the deal past the table's end, the stream "new" continues (each next number drawn from the
// seed the previous deal left, so it differs under a level), and the count that wraps at 32 bits.
// The test runs the command lines it lists; to add one, add its "$" line and update the golden file.
TEST(EnginePuzzleCommandsTest, OutputsOfTheCommands) {
    const std::string golden = CLI_TEST_DATA "/puzzle-commands.txt";
    std::istringstream listed(test::ReadWholeFile(golden));
    std::string transcript;
    for (std::string line; std::getline(listed, line);) {
        if (line.rfind("$ ", 0) != 0) continue;
        std::vector<std::string> args;
        std::istringstream words(line.substr(2));
        for (std::string word; words >> word;)
            args.push_back(word);
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.Status, 0) << line << ": " << result.Err;
        transcript += line + "\n" + result.Out;
    }
    EXPECT_GE(transcript.size(), 1000u) << "the command lines are read from " << golden;
    EXPECT_TRUE(test::MatchesGoldenFile(transcript, golden));
}

TEST(EnginePuzzleCommandsTest, FindReadsTextLikeTheGame) {
    const std::string one = RunCli({"puzzle", "1", "--level", "4"}).Out;
    ASSERT_NE(one, "");
    for (const char* text : {"abc", "0", "-5", "2147483648", "", " 1 "})
        EXPECT_EQ(RunCli({"find", text, "--level", "4"}).Out, one) << '"' << text << '"';
    EXPECT_EQ(RunCli({"find", "2147483647"}).Out, RunCli({"puzzle", "2147483647"}).Out);
}

TEST(EnginePuzzleCommandsTest, BadUsageExitsWithStatusTwo) {
    const std::string notNumber = "is not a signed 32-bit number (-2147483648 to 2147483647)";
    const std::string noDig = "no dig leaves that many empty squares (need MIN <= MAX, MAX >= 5, MIN <= 59)";
    ExpectRefusals({
        {{"puzzle"}, 2, "missing puzzle NUMBER"},
        {{"puzzle", "12x"}, 2, "NUMBER '12x' " + notNumber},
        {{"puzzle", "2147483648"}, 2, "NUMBER '2147483648' " + notNumber},
        {{"puzzle", "1", "2"}, 2, "unexpected argument '2'"},
        {{"puzzle", "1", "--level"}, 2, "--level needs a number"},
        {{"puzzle", "1", "--level", "5"}, 2, "--level must be 1, 2, 3 or 4"},
        {{"puzzle", "1", "--level", "1", "--level", "2"}, 2, "--level given twice"},
        {{"puzzle", "1", "--startup"}, 2, "--startup needs --level"},
        {{"puzzle", "1", "--window", "1", "1"}, 2, "--window 1 1: " + noDig},
        {{"puzzle", "1", "--window", "1", "2"}, 2, "--window 1 2: " + noDig},
        {{"puzzle", "1", "--window", "64", "81"}, 2, "--window 64 81: " + noDig},
        {{"puzzle", "1", "--window", "40", "30"}, 2, "--window 40 30: " + noDig},
        {{"puzzle", "1", "--window", "25"}, 2, "--window needs a number"},
        {{"puzzle", "1", "--window", "25", "40", "--level", "1"},
         2,
         "--window cannot be combined with --level or --startup"},
        {{"puzzle", "1", "--count", "0"}, 2, "--count needs a number of at least 1"},
        {{"puzzle", "1", "--count"}, 2, "unexpected argument '--count'"},
        {{"puzzle", "1", "--bogus"}, 2, "unexpected argument '--bogus'"},
        {{"new"}, 2, "new needs exactly one count K"},
        {{"new", "0"}, 2, "K must be a number of at least 1"},
        {{"new", "x"}, 2, "K must be a number of at least 1"},
        {{"new", "1", "2"}, 2, "new needs exactly one count K"},
        {{"find"}, 2, "find needs exactly one TEXT (quote it if it has spaces)"},
        {{"find", "1", "2"}, 2, "find needs exactly one TEXT (quote it if it has spaces)"},
    });
}
