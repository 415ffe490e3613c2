// velmora-cli page --pdf and velmora-cli convert: the files they write and how they fail.
#include "CliRunner.h"
#include "TestFiles.h"
#include "tests/pdf/PdfReaders.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

class PdfCli : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SOURCE_DATE_EPOCH", "1796540889", 1);
        setenv("TZ", "UTC", 1);
    }
    std::string P(const char* name) const { return Dir.File(name); }
    test::TempFolder Dir;
};

// Share of dark pixels in a rectangle of a binary PPM (P6) image, in fractions of its size.
double DarkShare(const std::string& ppm, double left, double top, double right, double bottom) {
    std::istringstream in(ppm);
    std::string magic;
    int width = 0, height = 0, maxValue = 0;
    in >> magic >> width >> height >> maxValue;
    in.get();
    const size_t start = static_cast<size_t>(in.tellg());
    if (magic != "P6" || width <= 0 || height <= 0 || ppm.size() < start + size_t(width) * height * 3)
        return -1;
    long dark = 0, all = 0;
    for (int y = int(top * height); y < int(bottom * height); ++y) {
        for (int x = int(left * width); x < int(right * width); ++x) {
            const size_t at = start + (size_t(y) * width + x) * 3;
            const int sum = uint8_t(ppm[at]) + uint8_t(ppm[at + 1]) + uint8_t(ppm[at + 2]);
            dark += sum < 300;
            ++all;
        }
    }
    return all ? double(dark) / all : -1;
}

} // namespace

TEST_F(PdfCli, PuzzlePageBecomesAValidPdfShowingHeaderAndBoard) {
    const CliResult result = RunCli({"page", "12345", "--pdf", P("page.pdf")});
    ASSERT_EQ(result.Status, 0) << result.Err;
    const std::string file = test::ReadWholeFile(P("page.pdf"));
    ASSERT_EQ(file.rfind("%PDF-1.3\r\n", 0), 0u);

    // The game's renderer: one standard font, the board as one JPEG image, the build date.
    EXPECT_NE(file.find("/BaseFont /Helvetica\r\n"), std::string::npos);
    EXPECT_NE(file.find("/Name /G1\r\n/Width 399 /Height 399 \r\n"), std::string::npos);
    EXPECT_NE(file.find("/CreationDate (D:20261206070809)\r\n"), std::string::npos);
    EXPECT_EQ(file.find("/Filter [/FlateDecode]"), std::string::npos);

    EXPECT_EQ(pdftest::ReaderComplaints(P("page.pdf")), "");
    const CliResult text = test::RunCommand({"pdftotext", P("page.pdf"), "-"});
    EXPECT_NE(text.Out.find("Puzzle Number 12345"), std::string::npos) << text.Out;

    const CliResult picture = test::RunCommand({"pdftoppm", "-r", "40", P("page.pdf"), P("page")});
    EXPECT_EQ(picture.Status, 0);
    const std::string ppm = test::ReadWholeFile(P("page-1.ppm"));
    // The board fills 0.6 to 6.6 inches across a letter page; the lower margin stays blank.
    EXPECT_GT(DarkShare(ppm, 0.1, 0.12, 0.75, 0.58), 0.03);
    EXPECT_LT(DarkShare(ppm, 0.05, 0.65, 0.95, 0.95), 0.001);
}

TEST_F(PdfCli, PageAndConvertWriteTheSameFileAgainAndAgain) {
    ASSERT_EQ(RunCli({"page", "777", "--level", "3", "--ndr", P("p.ndr"), "--pdf", P("a.pdf")}).Status, 0);
    ASSERT_EQ(RunCli({"page", "777", "--level", "3", "--pdf", P("b.pdf")}).Status, 0);
    const CliResult converted = RunCli({"convert", P("p.ndr"), P("c.pdf")});
    ASSERT_EQ(converted.Status, 0) << converted.Err;
    const std::string a = test::ReadWholeFile(P("a.pdf"));
    EXPECT_FALSE(a.empty());
    EXPECT_EQ(a, test::ReadWholeFile(P("b.pdf")));
    EXPECT_EQ(a, test::ReadWholeFile(P("c.pdf")));
}

TEST_F(PdfCli, CommaLocaleWritesTheSameFile) {
    ASSERT_EQ(RunCli({"page", "31", "--pdf", P("c.pdf")}).Status, 0);
    const char* previous = std::getenv("LC_ALL");
    const std::string saved = previous ? previous : "";
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    const CliResult result = RunCli({"page", "31", "--pdf", P("de.pdf")});
    if (previous)
        setenv("LC_ALL", saved.c_str(), 1);
    else
        unsetenv("LC_ALL");
    ASSERT_EQ(result.Status, 0) << result.Err;
    const std::string file = test::ReadWholeFile(P("de.pdf"));
    EXPECT_NE(file.find("/MediaBox [0 0 612.0000 792.0000]"), std::string::npos);
    EXPECT_EQ(file, test::ReadWholeFile(P("c.pdf")));
}

TEST_F(PdfCli, ConvertCompressesOnRequest) {
    ASSERT_EQ(RunCli({"page", "42", "--ndr", P("p.ndr")}).Status, 0);
    ASSERT_EQ(RunCli({"convert", P("p.ndr"), P("plain.pdf")}).Status, 0);
    const CliResult result = RunCli({"convert", "--compress", P("p.ndr"), P("small.pdf")});
    ASSERT_EQ(result.Status, 0) << result.Err;
    const std::string small = test::ReadWholeFile(P("small.pdf"));
    EXPECT_NE(small.find("/Filter [/FlateDecode]\r\n"), std::string::npos);
    EXPECT_EQ(pdftest::ReaderComplaints(P("small.pdf")), "");
    const CliResult text = test::RunCommand({"pdftotext", P("small.pdf"), "-"});
    EXPECT_NE(text.Out.find("Puzzle Number 42"), std::string::npos) << text.Out;
}

TEST_F(PdfCli, DamagedSnapshotLeavesNoFileAndKeepsAnOldOne) {
    ASSERT_EQ(RunCli({"page", "42", "--ndr", P("p.ndr")}).Status, 0);
    const std::string snapshot = test::ReadWholeFile(P("p.ndr"));
    std::ofstream(P("cut.ndr"), std::ios::binary) << snapshot.substr(0, snapshot.size() / 2);
    std::ofstream(P("junk.ndr"), std::ios::binary) << "not a page stream";

    CliResult result = RunCli({"convert", P("cut.ndr"), P("out.pdf")});
    EXPECT_EQ(result.Status, 1);
    EXPECT_FALSE(result.Err.empty());
    EXPECT_FALSE(fs::exists(P("out.pdf")));

    std::ofstream(P("old.pdf"), std::ios::binary) << "previous";
    result = RunCli({"convert", P("junk.ndr"), P("old.pdf")});
    EXPECT_EQ(result.Status, 1);
    EXPECT_NE(result.Err.find("Unexpected header code"), std::string::npos) << result.Err;
    EXPECT_EQ(test::ReadWholeFile(P("old.pdf")), "previous");

    result = RunCli({"convert", P("missing.ndr"), P("out.pdf")});
    EXPECT_EQ(result.Status, 1);
    EXPECT_FALSE(fs::exists(P("out.pdf")));
    // Nothing half-written is left in the folder.
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(Dir.Path()))
        ++files;
    EXPECT_EQ(files, 4u);
}

TEST_F(PdfCli, UnwritableOutputIsReported) {
    ASSERT_EQ(RunCli({"page", "42", "--ndr", P("p.ndr")}).Status, 0);
    CliResult result = RunCli({"convert", P("p.ndr"), P("no-such-folder/out.pdf")});
    EXPECT_EQ(result.Status, 1);
    EXPECT_NE(result.Err.find("out.pdf"), std::string::npos) << result.Err;
    result = RunCli({"page", "42", "--pdf", P("no-such-folder/out.pdf")});
    EXPECT_EQ(result.Status, 1);
    EXPECT_NE(result.Err.find("out.pdf"), std::string::npos) << result.Err;
}

TEST_F(PdfCli, BadUsageExitsWithTwo) {
    EXPECT_EQ(RunCli({"convert", P("p.ndr")}).Status, 2);
    EXPECT_EQ(RunCli({"convert", P("p.ndr"), P("a.pdf"), P("b.pdf")}).Status, 2);
    EXPECT_EQ(RunCli({"convert", "--fast", P("p.ndr"), P("a.pdf")}).Status, 2);
    EXPECT_EQ(RunCli({"page", "42"}).Status, 2);
    EXPECT_EQ(RunCli({"page", "42", "--pdf"}).Status, 2);
}
