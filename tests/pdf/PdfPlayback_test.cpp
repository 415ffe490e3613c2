// The renderer driven by the page-stream reader, as the print run and velmora-cli drive it. A damaged
// stream either fails with a report error or gives a readable file; under the sanitizers these tests
// also catch undefined behaviour.
#include "PdfTestSupport.h"
#include "pdf/PdfFileExport.h"
#include "report/NDRWriter.h"
#include "report/ReportError.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;
using namespace pdf;

namespace {

std::vector<uint8_t> Record(const std::function<void(TBaseReport&)>& draw) {
    TNDRWriter writer;
    writer.SetStreamMode(smMemory);
    writer.OnPrint = draw;
    writer.Execute();
    return writer.MemoryBytes();
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

struct PlaybackTest : ::testing::Test {
    fs::path Dir;
    void SetUp() override {
        setenv("TZ", "UTC", 1);
        char pattern[] = "/tmp/velmora-pdfplay-XXXXXX";
        Dir = mkdtemp(pattern);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(Dir, ignored);
    }
};

void DrawLine(TBaseReport& surface) {
    surface.SetPenWidth(TReferenceDevice{}.XDPI / 72.0); // 1/72 inch on the default device
    surface.MoveTo(1, 1);
    surface.LineTo(2, 1);
}

// Reader state, every kind of text and a picture, on two pages.
void DrawEveryKind(TBaseReport& surface) {
    surface.SetPenColor(0x0000FF);
    surface.SetBrushColor(0xC0C0C0);
    surface.Rectangle(1, 1, 2, 2);
    surface.MoveTo(1, 3);
    surface.LineTo(2, 3);
    surface.Rectangle(3, 1, 4, 2);
    surface.SetFontName("Courier New");
    surface.SetFontSize(12);
    surface.PrintAt(1, 5, "(x)");
    surface.SetFontRotation(90);
    surface.PrintAt(4, 5, "up");
    surface.DrawBitmapRect(1, 6, 2, 7, platform::RgbBitmap(8, 8, platform::Rgb{0, 0, 200}));
    surface.NewPage();
    surface.PrintAt(1, 1, "second page");
}

std::string Play(const std::vector<uint8_t>& bytes) {
    TMemoryStream input(bytes);
    TMemoryStream output;
    TRenderPDF render;
    render.Clock = [] { return std::time_t{0}; };
    render.SetOutputStream(&output);
    render.RenderStream(&input);
    return std::string(output.Bytes().begin(), output.Bytes().end());
}

} // namespace

TEST_F(PlaybackTest, RenderToFileAddsTheExtensionAndWritesTheLine) {
    TMemoryStream input(Record(DrawLine));
    TRenderPDF render;
    render.Clock = [] { return std::time_t{0}; };
    render.RenderToFile(&input, (Dir / "report").string());
    ASSERT_TRUE(fs::exists(Dir / "report.pdf"));
    EXPECT_EQ(render.OutputStream(), nullptr); // the file was closed
    const std::string file = ReadFile(Dir / "report.pdf");
    EXPECT_NE(file.find("\r\n1.0000 w \r\n72.0000 720.0000 m\r\n144.0000 720.0000 l S\r\n"),
              std::string::npos)
        << file;
    EXPECT_NE(file.find("/CreationDate (D:19700101000000)"), std::string::npos);
    EXPECT_EQ(pdftest::ReadersCheck(file).Output, "");
    // Nothing else was left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(Dir), fs::directory_iterator()), 1);
}

TEST_F(PlaybackTest, ReaderStateDrivesShapesAndIsPutBack) {
    const std::string file = Play(Record(DrawEveryKind));
    EXPECT_EQ(pdftest::Count(file, "1 0 0 RG\r\n"), 1u);
    EXPECT_EQ(pdftest::Count(file, "0.753 0.753 0.753 rg\r\n"), 1u);
    // The second rectangle is filled again after the line hid the brush.
    EXPECT_EQ(pdftest::Count(file, " re b\r\n"), 2u);
    EXPECT_NE(file.find("/BaseFont /Courier\r\n"), std::string::npos);
    EXPECT_NE(file.find("( \\(x\\) ) Tj\r\n"), std::string::npos);
    EXPECT_NE(file.find("( second page ) Tj"), std::string::npos);
    EXPECT_EQ(pdftest::ReadersCheck(file).Output, "");
}

TEST_F(PlaybackTest, DamagedStreamFailsAndExportLeavesNoFile) {
    std::vector<uint8_t> bytes = Record(DrawLine);
    bytes.resize(bytes.size() - 12);
    TMemoryStream input(bytes);
    TRenderPDF render;
    const std::string target = (Dir / "out.pdf").string();
    EXPECT_THROW(ExportPdf(render, input, target), EReportError);
    EXPECT_FALSE(fs::exists(target));

    std::ofstream(target) << "old";
    TMemoryStream junk(std::vector<uint8_t>{'X', 1, 2, 3});
    EXPECT_THROW(ExportPdf(render, junk, target), EReportError);
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(Dir), fs::directory_iterator()), 1);

    // The renderer is ready for the next document.
    TMemoryStream good(Record(DrawLine));
    ExportPdf(render, good, target);
    EXPECT_EQ(pdftest::ReadersCheck(ReadFile(target)).Output, "");
}

TEST_F(PlaybackTest, RandomlyDamagedStreamsFailCleanlyOrGiveReadableFiles) {
    const std::vector<uint8_t> original = Record(DrawEveryKind);
    std::mt19937 random(20261206);
    int failures = 0;
    int written = 0;
    for (int round = 0; round < 300; ++round) {
        std::vector<uint8_t> bytes = original;
        const int flips = 1 + round % 4;
        for (int i = 0; i < flips; ++i)
            bytes[random() % bytes.size()] = static_cast<uint8_t>(random());
        std::string file;
        try {
            file = Play(bytes);
        } catch (const EReportError&) {
            ++failures;
            continue;
        }
        ++written;
        ASSERT_EQ(file.rfind("%PDF-1.3\r\n", 0), 0u) << "round " << round;
        ASSERT_EQ(file.substr(file.size() - 7), "%%EOF\r\n") << "round " << round;
        if (round % 25 == 0) {
            const auto check = pdftest::ReadersCheck(file);
            EXPECT_EQ(check.Status, 0) << "round " << round << "\n" << check.Output;
        }
    }
    EXPECT_GT(written, 0);
    EXPECT_GT(failures, 0);
}
