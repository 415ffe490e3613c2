// velmora-cli page and dump: the snapshot file of a puzzle page and its listing.
#include "CliRunner.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sys/stat.h>

using test::ReadWholeFile;
using test::WriteWholeFile;

class ReportCli : public ::testing::Test {
  protected:
    std::string P(const char* Name) const { return Folder.File(Name); }
    test::TempFolder Folder;
};

TEST_F(ReportCli, PageWritesASnapshotThatDumpLists) {
    const CliResult Page = RunCli({"page", "2147483647", "--level", "3", "--ndr", P("page.ndr")});
    ASSERT_EQ(Page.Status, 0) << Page.Err;
    EXPECT_EQ(Page.Out, "");
    const CliResult Dump = RunCli({"dump", P("page.ndr")});
    ASSERT_EQ(Dump.Status, 0) << Dump.Err;
    EXPECT_TRUE(test::MatchesGoldenFile(Dump.Out, CLI_TEST_DATA "/page-2147483647-level-3.dump"));
}

TEST_F(ReportCli, PageDependsOnlyOnTheNumberAndWindow) {
    ASSERT_EQ(RunCli({"page", "77", "--window", "40", "50", "--ndr", P("a.ndr")}).Status, 0);
    ASSERT_EQ(RunCli({"page", "77", "--window", "40", "50", "--ndr", P("b.ndr")}).Status, 0);
    EXPECT_EQ(ReadWholeFile(P("a.ndr")), ReadWholeFile(P("b.ndr")));
    ASSERT_EQ(RunCli({"page", "78", "--window", "40", "50", "--ndr", P("b.ndr")}).Status, 0);
    EXPECT_NE(ReadWholeFile(P("a.ndr")), ReadWholeFile(P("b.ndr")));
}

TEST_F(ReportCli, PageUsageErrorsAndUnwritableFile) {
    EXPECT_EQ(RunCli({"page", "5"}).Status, 2);
    EXPECT_EQ(RunCli({"page", "5", "--ndr"}).Status, 2);
    EXPECT_EQ(RunCli({"page", "x", "--ndr", P("x.ndr")}).Status, 2);
    const CliResult Bad = RunCli({"page", "5", "--ndr", P("no-such-folder/p.ndr")});
    EXPECT_EQ(Bad.Status, 1);
    EXPECT_NE(Bad.Err.find("no-such-folder/p.ndr"), std::string::npos) << Bad.Err;
}

TEST_F(ReportCli, DumpOfADamagedFileGivesTheReadersMessage) {
    WriteWholeFile(P("junk.ndr"), "Xjunk");
    const CliResult Bad = RunCli({"dump", P("junk.ndr")});
    EXPECT_EQ(Bad.Status, 1);
    EXPECT_NE(Bad.Err.find("Unexpected header code [88] found in report file."), std::string::npos);

    ASSERT_EQ(RunCli({"page", "3", "--ndr", P("good.ndr")}).Status, 0);
    const std::string Bytes = ReadWholeFile(P("good.ndr"));
    WriteWholeFile(P("cut.ndr"), Bytes.substr(0, Bytes.size() - 40));
    const CliResult Cut = RunCli({"dump", P("cut.ndr")});
    EXPECT_EQ(Cut.Status, 1);
    EXPECT_NE(Cut.Err.find("exceeds the report file."), std::string::npos) << Cut.Err;
    EXPECT_EQ(RunCli({"dump"}).Status, 2);
    EXPECT_EQ(RunCli({"dump", P("missing.ndr")}).Status, 1);
}

// A report without pages: its header says 0 pages and nothing follows it.
TEST_F(ReportCli, ReportWithoutPagesIsListedAndConvertedToOneEmptyPage) {
    ASSERT_EQ(RunCli({"page", "3", "--ndr", P("full.ndr")}).Status, 0);
    std::string Bytes = ReadWholeFile(P("full.ndr")).substr(0, 61); // the header of "Puzzle Report"
    Bytes[17] = Bytes[18] = 0;                                      // page count
    const float A4[2] = {8.27f, 11.69f};                            // page width and height
    std::memcpy(&Bytes[23], A4, sizeof A4);
    WriteWholeFile(P("empty.ndr"), Bytes);

    const CliResult Dump = RunCli({"dump", P("empty.ndr")});
    ASSERT_EQ(Dump.Status, 0) << Dump.Err;
    EXPECT_EQ(Dump.Out.substr(Dump.Out.find("pages ")).substr(0, 8), "pages 0\n");
    EXPECT_EQ(Dump.Out.substr(Dump.Out.size() - 10), "device \"\"\n") << "nothing after the header";

    // A PDF needs a page: the empty report becomes one empty page.
    const CliResult Convert = RunCli({"convert", P("empty.ndr"), P("empty.pdf")});
    ASSERT_EQ(Convert.Status, 0) << Convert.Err;
    EXPECT_EQ(test::RunCommand({"qpdf", "--check", P("empty.pdf")}).Status, 0);
    const CliResult Info = test::RunCommand({"pdfinfo", P("empty.pdf")});
    EXPECT_NE(Info.Out.find("Pages:           1\n"), std::string::npos) << Info.Out;
    EXPECT_NE(Info.Out.find("Page size:       595.44 x 841.68 pts"), std::string::npos) << Info.Out;
}

TEST_F(ReportCli, DumpAndConvertRefuseAFifoOrADeviceAtOnce) {
    ASSERT_EQ(::mkfifo(P("fifo.ndr").c_str(), 0600), 0);
    for (const std::string& In : {P("fifo.ndr"), std::string("/dev/zero")}) {
        for (const std::vector<std::string>& Args :
             {std::vector<std::string>{"dump", In}, std::vector<std::string>{"convert", In, P("fifo.pdf")}}) {
            const CliResult Refused = RunCli(Args);
            EXPECT_EQ(Refused.Status, 1) << Args[0] << " " << In;
            EXPECT_NE(Refused.Err.find("not a regular file"), std::string::npos) << Refused.Err;
        }
    }
}
