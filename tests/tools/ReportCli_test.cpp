// velmora-cli page and dump: the snapshot file of a puzzle page and its listing.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "CliRunner.h"

namespace {

std::string TempPath(const std::string& Name) {
    return testing::TempDir() + "/" + Name;
}

std::vector<std::string> Lines(const std::string& Text) {
    std::vector<std::string> Out;
    std::istringstream In(Text);
    for (std::string Line; std::getline(In, Line);)
        Out.push_back(Line);
    return Out;
}

std::string Slurp(const std::string& Name) {
    std::ifstream In(Name, std::ios::binary);
    std::ostringstream S;
    S << In.rdbuf();
    return S.str();
}

} // namespace

TEST(ReportCli, PageWritesASnapshotThatDumpLists) {
    const std::string File = TempPath("cli-page.ndr");
    std::remove(File.c_str());
    const CliResult Page = RunCli({"page", "2147483647", "--level", "3", "--ndr", File});
    ASSERT_EQ(Page.Status, 0) << Page.Err;
    EXPECT_EQ(Page.Out, "");

    const CliResult Dump = RunCli({"dump", File});
    ASSERT_EQ(Dump.Status, 0) << Dump.Err;
    const auto L = Lines(Dump.Out);
    ASSERT_GT(L.size(), 20u);
    EXPECT_EQ(L[0], "header Z version 2017");
    EXPECT_EQ(L[1], "title \"Puzzle Report\"");
    EXPECT_EQ(L[2], "pages 1");
    EXPECT_EQ(L[5], "page-size 8.5 11");
    EXPECT_EQ(L[8], "paper-bin 265");
    EXPECT_EQ(L[15], "device \"\"");
    EXPECT_EQ(L[16].rfind("@61 80 PageStart previous=0 next=0 page=1 size=8.5x11", 0), 0u);
    EXPECT_EQ(L.back().substr(L.back().find(' ') + 1), "82 PageEnd");
    // The page's drawing: font, header text with its measured width, the board picture.
    const std::string Text = Dump.Out;
    EXPECT_NE(Text.find(" 51 FontName \"Arial\""), std::string::npos);
    EXPECT_NE(Text.find(" 54 FontSize 0.1666667 "), std::string::npos);
    EXPECT_NE(
        Text.find(" 33 BlockText 0.5 \"Sudoku Puzzle Number 2147483647 Courtesy of www.velmora.co.uk\" 0.5 "),
        std::string::npos);
    EXPECT_NE(Text.find(" 34 GraphicOptions 0\n"), std::string::npos);
    EXPECT_NE(Text.find(" 17 BitmapRect graphic(type=1,size="), std::string::npos);
    EXPECT_NE(Text.find(" (0.6,0.6) (6.6,6.6)\n"), std::string::npos);
}

TEST(ReportCli, PageIsTheSameForTheSameNumberAndWindow) {
    const std::string A = TempPath("cli-page-a.ndr");
    const std::string B = TempPath("cli-page-b.ndr");
    ASSERT_EQ(RunCli({"page", "77", "--window", "40", "50", "--ndr", A}).Status, 0);
    ASSERT_EQ(RunCli({"page", "77", "--window", "40", "50", "--ndr", B}).Status, 0);
    EXPECT_EQ(Slurp(A), Slurp(B));
    ASSERT_EQ(RunCli({"page", "78", "--window", "40", "50", "--ndr", B}).Status, 0);
    EXPECT_NE(Slurp(A), Slurp(B));
}

TEST(ReportCli, PageUsageErrorsAndUnwritableFile) {
    EXPECT_EQ(RunCli({"page", "5"}).Status, 2);
    EXPECT_EQ(RunCli({"page", "5", "--ndr"}).Status, 2);
    EXPECT_EQ(RunCli({"page", "x", "--ndr", TempPath("x.ndr")}).Status, 2);
    const CliResult Bad = RunCli({"page", "5", "--ndr", "/nonexistent-folder/p.ndr"});
    EXPECT_EQ(Bad.Status, 1);
    EXPECT_NE(Bad.Err.find("/nonexistent-folder/p.ndr"), std::string::npos);
}

TEST(ReportCli, DumpOfADamagedFileGivesTheReadersMessage) {
    const std::string File = TempPath("cli-damaged.ndr");
    {
        std::ofstream Out(File, std::ios::binary);
        Out << "Xjunk";
    }
    const CliResult Bad = RunCli({"dump", File});
    EXPECT_EQ(Bad.Status, 1);
    EXPECT_NE(Bad.Err.find("Unexpected header code [88] found in report file."), std::string::npos);

    const std::string Good = TempPath("cli-cut.ndr");
    ASSERT_EQ(RunCli({"page", "3", "--ndr", Good}).Status, 0);
    std::string Bytes = Slurp(Good);
    Bytes.resize(Bytes.size() - 40);
    {
        std::ofstream Out(File, std::ios::binary | std::ios::trunc);
        Out << Bytes;
    }
    const CliResult Cut = RunCli({"dump", File});
    EXPECT_EQ(Cut.Status, 1);
    EXPECT_NE(Cut.Err.find("exceeds the report file."), std::string::npos) << Cut.Err;
    EXPECT_EQ(RunCli({"dump"}).Status, 2);
    EXPECT_EQ(RunCli({"dump", TempPath("missing.ndr")}).Status, 1);
}

// A report without pages: its header says 0 pages and nothing follows it.
TEST(ReportCli, ReportWithoutPagesIsListedAndConvertedToOneEmptyPage) {
    const std::string Page = TempPath("cli-full.ndr"), Empty = TempPath("cli-empty.ndr");
    const std::string Pdf = TempPath("cli-empty.pdf");
    ASSERT_EQ(RunCli({"page", "3", "--ndr", Page}).Status, 0);
    std::string Bytes = Slurp(Page).substr(0, 61); // the header of "Puzzle Report"
    Bytes[17] = Bytes[18] = 0;                     // page count
    const float A4[2] = {8.27f, 11.69f};           // page width and height
    std::memcpy(&Bytes[23], A4, sizeof A4);
    std::ofstream(Empty, std::ios::binary) << Bytes;

    const CliResult Dump = RunCli({"dump", Empty});
    ASSERT_EQ(Dump.Status, 0) << Dump.Err;
    const auto L = Lines(Dump.Out);
    EXPECT_EQ(L[2], "pages 0");
    EXPECT_EQ(L.back(), "device \"\"");
    EXPECT_EQ(L.size(), 16u);

    // A PDF needs a page: the empty report becomes one empty page.
    std::remove(Pdf.c_str());
    const CliResult Convert = RunCli({"convert", Empty, Pdf});
    ASSERT_EQ(Convert.Status, 0) << Convert.Err;
    EXPECT_EQ(RunCommand("qpdf --check '" + Pdf + "'").Status, 0);
    const CliResult Info = RunCommand("pdfinfo '" + Pdf + "'");
    EXPECT_NE(Info.Out.find("Pages:           1\n"), std::string::npos) << Info.Out;
    EXPECT_NE(Info.Out.find("Page size:       595.44 x 841.68 pts"), std::string::npos) << Info.Out;
}
