// The renderer driven by the page-stream reader, as the print run and velmora-cli drive it. A damaged
// stream either fails with a report error or gives a readable file; under the sanitizers these tests
// also catch undefined behaviour.
#include "PdfTestSupport.h"
#include "TestFiles.h"
#include "report/NDRWriter.h"
#include "report/ReportError.h"

#include <gtest/gtest.h>

#include <random>

using namespace pdf;

namespace {

std::vector<uint8_t> Record(const std::function<void(TBaseReport&)>& draw) {
    TNDRWriter writer;
    writer.SetStreamMode(smMemory);
    writer.OnPrint = draw;
    writer.Execute();
    return writer.MemoryBytes();
}

// Reader state, every kind of text and a picture, on two pages. The second rectangle is filled
// again after the line hid the brush.
void DrawEveryKind(TBaseReport& surface) {
    surface.SetPenWidth(TReferenceDevice{}.XDPI / 72.0); // 1/72 inch on the default device
    surface.MoveTo(1, 1);
    surface.LineTo(2, 1);
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

} // namespace

// The renderer lives on between documents, as in the game: the second file equals the first.
TEST(PdfPlayback, RenderToFileAddsTheExtensionAndWritesTheStoredFileEveryTime) {
    setenv("TZ", "UTC", 1);
    const test::TempFolder folder;
    const std::vector<uint8_t> stream = Record(DrawEveryKind);
    TRenderPDF render;
    render.Clock = [] { return std::time_t{0}; };
    for (const char* name : {"report", "again"}) {
        TMemoryStream input(stream);
        render.RenderToFile(&input, folder.File(name));
        EXPECT_EQ(render.OutputStream(), nullptr); // the file was closed
        EXPECT_TRUE(pdftest::MatchesGolden("played-stream", test::ReadWholeFile(folder.File(name) + ".pdf")));
    }
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"again.pdf", "report.pdf"}));
    EXPECT_EQ(pdftest::ReaderComplaints(folder.File("again.pdf")), "");
}

TEST(PdfPlayback, RandomlyDamagedStreamsFailCleanlyOrGiveReadableFiles) {
    const std::vector<uint8_t> original = Record(DrawEveryKind);
    std::mt19937 random(20261206);
    int failures = 0;
    int written = 0;
    for (int round = 0; round < 300; ++round) {
        std::vector<uint8_t> bytes = original;
        const int flips = 1 + round % 4;
        for (int i = 0; i < flips; ++i)
            bytes[random() % bytes.size()] = static_cast<uint8_t>(random());
        pdftest::TestRenderer t;
        TMemoryStream input(bytes);
        try {
            t.Render.RenderStream(&input);
        } catch (const EReportError&) {
            ++failures;
            continue;
        }
        const std::string file(t.Output.Bytes().begin(), t.Output.Bytes().end());
        ++written;
        ASSERT_EQ(file.rfind("%PDF-1.3\r\n", 0), 0u) << "round " << round;
        ASSERT_EQ(file.substr(file.size() - 7), "%%EOF\r\n") << "round " << round;
        if (round % 25 == 0) {
            EXPECT_EQ(pdftest::ComplaintsAbout(file), "") << "round " << round;
        }
    }
    EXPECT_GT(written, 0);
    EXPECT_GT(failures, 0);
}
