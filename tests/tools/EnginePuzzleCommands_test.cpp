// The puzzle commands of velmora-cli: their one-line output is a contract for scripts.
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; in >> field;)
        fields.push_back(field);
    return fields;
}

std::string OneLine(const std::vector<std::string>& args) {
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.Status, 0) << result.Err;
    EXPECT_TRUE(result.Err.empty()) << result.Err;
    const auto lines = Lines(result.Out);
    EXPECT_EQ(lines.size(), 1u) << result.Out;
    return lines.empty() ? std::string() : lines.front();
}

} // namespace

TEST(EnginePuzzleCommandsTest, PuzzleLineOfPuzzleOne) {
    EXPECT_EQ(RunCli({"puzzle", "1", "--level", "1"}).Out,
              "1 25-40 38 530734041 172543986/965182734/348967512/783251649/459736128/621498357/234675891/"
              "817329465/596814273 172.43.../..518..34/.4..6.512/7.3...64./4..7..128/.214....7/2.4.7..91/"
              "8..3.94.5/....14273\n");
    // The same window given by hand deals the same puzzle.
    EXPECT_EQ(OneLine({"puzzle", "1", "--window", "25", "40"}), OneLine({"puzzle", "1", "--level", "1"}));
}

TEST(EnginePuzzleCommandsTest, WindowOptionsPickTheRightTable) {
    EXPECT_EQ(Fields(OneLine({"puzzle", "5"}))[1], "35-48");
    EXPECT_EQ(Fields(OneLine({"puzzle", "5", "--level", "2"}))[1], "35-45");
    EXPECT_EQ(Fields(OneLine({"puzzle", "5", "--level", "2", "--startup"}))[1], "35-48");
    EXPECT_EQ(Fields(OneLine({"puzzle", "5", "--startup", "--level", "3"}))[1], "48-52");
    EXPECT_EQ(Fields(OneLine({"puzzle", "5", "--level", "3"}))[1], "48-81");
    const auto overshoot = Fields(OneLine({"puzzle", "67387906", "--level", "1"}));
    EXPECT_EQ(overshoot[2], "27");
    EXPECT_EQ(overshoot[3], "1573527442");
}

TEST(EnginePuzzleCommandsTest, NewContinuesTheStream) {
    const CliResult result = RunCli({"new", "3"});
    ASSERT_EQ(result.Status, 0) << result.Err;
    const auto lines = Lines(result.Out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "67387906 35-48 45 2113038078 " + Fields(OneLine({"puzzle", "67387906"}))[4] +
                            " 3.7.69.25/.....7..9/9..31..../.....3.7./64.7....2/73.5..4.8/.7.8..693/"
                            ".6.97.15./5..1.6..7");
    // Each next number is drawn from the seed the previous deal left; each deal is that puzzle's.
    EXPECT_EQ(Fields(lines[1])[0], "1298365818");
    for (std::size_t i = 1; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], OneLine({"puzzle", Fields(lines[i])[0]}));
    // Under a level window the stream, and so the second number, differs.
    const auto easy = Lines(RunCli({"new", "2", "--level", "1"}).Out);
    ASSERT_EQ(easy.size(), 2u);
    EXPECT_EQ(Fields(easy[0])[0], "67387906");
    EXPECT_NE(Fields(easy[1])[0], Fields(lines[1])[0]);
}

TEST(EnginePuzzleCommandsTest, FindReadsTextLikeTheGame) {
    const std::string one = OneLine({"puzzle", "1", "--level", "4"});
    for (const char* text : {"abc", "0", "-5", "2147483648", "", " 1 "})
        EXPECT_EQ(OneLine({"find", text, "--level", "4"}), one) << '"' << text << '"';
    EXPECT_EQ(OneLine({"find", "2147483647"}), OneLine({"puzzle", "2147483647"}));
}

TEST(EnginePuzzleCommandsTest, CountWrapsAtThirtyTwoBits) {
    const CliResult result = RunCli({"puzzle", "2147483647", "--count", "2", "--level", "1"});
    ASSERT_EQ(result.Status, 0) << result.Err;
    const auto lines = Lines(result.Out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], OneLine({"puzzle", "2147483647", "--level", "1"}));
    EXPECT_EQ(lines[1], OneLine({"puzzle", "-2147483648", "--level", "1"}));
    EXPECT_EQ(Fields(lines[1])[0], "-2147483648");
}

TEST(EnginePuzzleCommandsTest, BadUsageExitsWithStatusTwo) {
    const std::vector<std::vector<std::string>> bad = {
        {"puzzle"},
        {"puzzle", "12x"},
        {"puzzle", "2147483648"},
        {"puzzle", "1", "2"},
        {"puzzle", "1", "--level"},
        {"puzzle", "1", "--level", "5"},
        {"puzzle", "1", "--level", "1", "--level", "2"},
        {"puzzle", "1", "--startup"},
        {"puzzle", "1", "--window", "1", "1"},
        {"puzzle", "1", "--window", "1", "2"},
        {"puzzle", "1", "--window", "64", "81"},
        {"puzzle", "1", "--window", "40", "30"},
        {"puzzle", "1", "--window", "25"},
        {"puzzle", "1", "--window", "25", "40", "--level", "1"},
        {"puzzle", "1", "--count", "0"},
        {"puzzle", "1", "--count"},
        {"puzzle", "1", "--bogus"},
        {"new"},
        {"new", "0"},
        {"new", "x"},
        {"new", "1", "2"},
        {"find"},
        {"find", "1", "2"},
    };
    for (const auto& args : bad) {
        const CliResult result = RunCli(args);
        std::string joined;
        for (const auto& a : args)
            joined += a + ' ';
        EXPECT_EQ(result.Status, 2) << joined;
        EXPECT_TRUE(result.Out.empty()) << joined;
        EXPECT_NE(result.Err.find("velmora-cli: "), std::string::npos) << joined;
    }
}

TEST(EnginePuzzleCommandsTest, HelpDocumentsTheCommands) {
    const CliResult result = RunCli({"--help"});
    ASSERT_EQ(result.Status, 0);
    for (const char* usage :
         {"velmora-cli puzzle NUMBER [--level L [--startup] | --window MIN MAX] [--count K]",
          "velmora-cli new K [--level L [--startup] | --window MIN MAX]",
          "velmora-cli find TEXT [--level L [--startup] | --window MIN MAX]",
          "NUMBER MIN-MAX HOLES SEED SOLUTION PUZZLE"})
        EXPECT_NE(result.Out.find(usage), std::string::npos) << usage;
}
