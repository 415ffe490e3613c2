// velmora-cli page --pdf and velmora-cli convert: the files they write and how they fail.
#include "CliRunner.h"
#include "TestFiles.h"
#include "tests/pdf/PdfReaders.h"

#include <gtest/gtest.h>

using PdfCli = TCliTest;

// The page written directly, replayed from its snapshot, and under a comma locale is the same file,
// line for line: one standard font, the board as one JPEG image, the set creation date, no
// compression. Compressed on request, readers open it as well without a word and find its text.
TEST_F(PdfCli, PageAndConvertWriteTheSamePdfInAnyLocale) {
    ASSERT_EQ(RunCli({"page", "12345", "--ndr", P("p.ndr"), "--pdf", P("page.pdf")}).Status, 0);
    ASSERT_EQ(RunCli({"convert", P("p.ndr"), P("converted.pdf")}).Status, 0);
    ASSERT_EQ(RunCli({"convert", "--compress", P("p.ndr"), P("small.pdf")}).Status, 0);
    const CliResult comma =
        RunCommand("LC_ALL=de_DE.UTF-8 " VELMORA_CLI_PATH " page 12345 --pdf " + P("comma.pdf"));
    ASSERT_EQ(comma.Status, 0) << comma.Out;
    for (const char* name : {"page.pdf", "converted.pdf", "comma.pdf"})
        EXPECT_TRUE(test::MatchesGoldenFile(test::ReadWholeFile(P(name)), CLI_TEST_DATA "/page-12345.pdf"))
            << name;
    EXPECT_NE(test::ReadWholeFile(P("small.pdf")).find("/Filter [/FlateDecode]\r\n"), std::string::npos);
    for (const char* name : {"page.pdf", "small.pdf"}) {
        EXPECT_EQ(pdftest::ReaderComplaints(P(name)), "") << name;
        const CliResult text = test::RunCommand({"pdftotext", P(name), "-"});
        EXPECT_NE(text.Out.find("Puzzle Number 12345"), std::string::npos) << text.Out;
    }
}

// Bad usage, a damaged or missing snapshot and an unwritable output: nothing half-written is left
// behind and an older file of the name stays as it was.
TEST_F(PdfCli, RefusalsLeaveNoFileAndKeepAnOldOne) {
    ASSERT_EQ(RunCli({"page", "42", "--ndr", P("p.ndr")}).Status, 0);
    const std::string snapshot = test::ReadWholeFile(P("p.ndr"));
    test::WriteWholeFile(P("cut"), snapshot.substr(0, snapshot.size() / 2));
    test::WriteWholeFile(P("junk.ndr"), "not a page stream");
    test::WriteWholeFile(P("old.pdf"), "previous");
    const std::string noFolder = "Cannot write file \"$DIR/no/out.pdf\": cannot create a temporary file "
                                 "in $DIR/no: No such file or directory";
    const std::vector<TRefusal> rows = {
        {{"convert", "$DIR/p.ndr"}, 2, "convert needs IN.ndr and OUT.pdf"},
        {{"convert", "$DIR/p.ndr", "$DIR/a.pdf", "$DIR/b.pdf"}, 2, "convert needs IN.ndr and OUT.pdf"},
        {{"convert", "--fast", "$DIR/p.ndr", "$DIR/a.pdf"}, 2, "unknown option '--fast'"},
        {{"page", "42"}, 2, "page needs --ndr FILE or --pdf FILE"},
        {{"page", "42", "--pdf"}, 2, "unexpected argument '--pdf'"},
        {{"convert", "$DIR/cut", "$DIR/out.pdf"},
         1,
         "$DIR/cut: Graphic size [478854] at position 255 exceeds the report file."},
        {{"convert", "$DIR/junk.ndr", "$DIR/old.pdf"},
         1,
         "$DIR/junk.ndr: Unexpected header code [110] found in report file."},
        {{"convert", "$DIR/missing.ndr", "$DIR/out.pdf"}, 1, "$DIR/missing.ndr does not exist"},
        {{"convert", "$DIR/p.ndr", "$DIR/no/out.pdf"}, 1, "$DIR/p.ndr: " + noFolder},
        {{"page", "42", "--pdf", "$DIR/no/out.pdf"}, 1, noFolder},
    };
    ExpectRefusals(rows, Dir.Path());
    EXPECT_EQ(test::ReadWholeFile(P("old.pdf")), "previous");
    EXPECT_EQ(Dir.Entries(), (std::vector<std::string>{"cut", "junk.ndr", "old.pdf", "p.ndr"}));
}
