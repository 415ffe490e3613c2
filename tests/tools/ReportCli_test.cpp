// velmora-cli page and dump: the snapshot file of a puzzle page and its listing.
#include "CliRunner.h"
#include "TestFiles.h"
#include "tests/pdf/PdfReaders.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using ReportCli = TCliTest;

TEST_F(ReportCli, PageWritesASnapshotThatDumpLists) {
    const CliResult Page = RunCli({"page", "2147483647", "--level", "3", "--ndr", P("page.ndr")});
    ASSERT_EQ(Page.Status, 0) << Page.Err;
    EXPECT_EQ(Page.Out, "");
    const CliResult Dump = RunCli({"dump", P("page.ndr")});
    ASSERT_EQ(Dump.Status, 0) << Dump.Err;
    EXPECT_TRUE(test::MatchesGoldenFile(Dump.Out, CLI_TEST_DATA "/page-2147483647-level-3.dump"));
}

// Bad usage, a damaged or missing snapshot (more in PdfCli), and inputs that are no regular file (read
// at once, never waited on).
TEST_F(ReportCli, RefusalsSayWhy) {
    test::WriteWholeFile(P("junk.ndr"), "Xjunk");
    ASSERT_EQ(::mkfifo(P("fifo").c_str(), 0600), 0);
    const std::vector<TRefusal> rows = {
        {{"page", "5", "--ndr"}, 2, "unexpected argument '--ndr'"},
        {{"page", "5", "--ndr", "$DIR/no/p.ndr"},
         1,
         "Cannot create file \"$DIR/no/p.ndr\". No such file or directory"},
        {{"dump"}, 2, "dump needs exactly one FILE"},
        {{"dump", "$DIR/missing.ndr"}, 1, "$DIR/missing.ndr does not exist"},
        {{"dump", "$DIR/junk.ndr"}, 1, "$DIR/junk.ndr: Unexpected header code [88] found in report file."},
        {{"dump", "$DIR/fifo"}, 1, "$DIR/fifo is a pipe (FIFO), not a regular file"},
        {{"dump", "/dev/zero"}, 1, "/dev/zero is a device, not a regular file"},
        {{"convert", "$DIR/fifo", "$DIR/f.pdf"}, 1, "$DIR/fifo is a pipe (FIFO), not a regular file"},
        {{"convert", "/dev/zero", "$DIR/zero.pdf"}, 1, "/dev/zero is a device, not a regular file"},
    };
    ExpectRefusals(rows, Dir.Path());
}

// A report without pages (A4, its header says 0 pages and nothing follows it) is listed, and becomes
// one empty page of its size, as a PDF needs a page.
TEST_F(ReportCli, ReportWithoutPagesIsListedAndConvertedToOneEmptyPage) {
    const CliResult Dump = RunCli({"dump", CLI_TEST_DATA "/empty-report.ndr"});
    ASSERT_EQ(Dump.Status, 0) << Dump.Err;
    EXPECT_TRUE(test::MatchesGoldenFile(Dump.Out, CLI_TEST_DATA "/empty-report.dump"));
    ASSERT_EQ(RunCli({"convert", CLI_TEST_DATA "/empty-report.ndr", P("empty.pdf")}).Status, 0);
    EXPECT_TRUE(
        test::MatchesGoldenFile(test::ReadWholeFile(P("empty.pdf")), CLI_TEST_DATA "/empty-report.pdf"));
    EXPECT_EQ(pdftest::ReaderComplaints(P("empty.pdf")), "");
}
