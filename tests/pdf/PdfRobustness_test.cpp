// Damaged page streams: the renderer either writes a readable file or the playback fails with a
// report error; it never crashes. Run under the sanitizers this also catches undefined behaviour.
#include "PdfTestSupport.h"
#include "report/NDRWriter.h"
#include "report/ReportError.h"

#include <gtest/gtest.h>

#include <random>

using namespace pdf;

namespace {

std::vector<uint8_t> RecordEveryShape() {
    TNDRWriter writer;
    writer.SetStreamMode(smMemory);
    writer.OnPrint = [](TBaseReport& s) {
        s.SetFontName("Arial");
        s.SetFontSize(12);
        s.PrintAt(1, 1, "Header (text)");
        s.SetPenWidth(3);
        s.Rectangle(1, 2, 3, 3);
        s.MoveTo(1, 4);
        s.LineTo(3, 4.5);
        s.SetFontName("Courier New");
        s.PrintAt(1, 5, "mono");
        s.SetFontRotation(90);
        s.PrintAt(4, 5, "up");
        s.SetFontRotation(0);
        s.SetBrushColor(0x00FFFF);
        s.Rectangle(4, 2, 6, 3);
        s.DrawBitmapRect(1, 6, 2, 7, platform::RgbBitmap(8, 8, platform::Rgb{0, 0, 200}));
        s.NewPage();
        s.PrintAt(1, 1, "second page");
    };
    writer.Execute();
    return writer.MemoryBytes();
}

} // namespace

TEST(PdfRobustness, DamagedStreamsFailCleanlyOrGiveReadableFiles) {
    const std::vector<uint8_t> original = RecordEveryShape();
    {
        TMemoryStream input(original);
        TMemoryStream output;
        TRenderPDF render;
        render.SetOutputStream(&output);
        render.RenderStream(&input);
        const std::string file(output.Bytes().begin(), output.Bytes().end());
        ASSERT_EQ(pdftest::ReadersCheck(file).Output, "");
        ASSERT_NE(file.find("( second page ) Tj"), std::string::npos);
    }
    std::mt19937 random(20261206);
    int failures = 0;
    int written = 0;
    for (int round = 0; round < 300; ++round) {
        std::vector<uint8_t> bytes = original;
        const int flips = 1 + round % 4;
        for (int i = 0; i < flips; ++i)
            bytes[random() % bytes.size()] = static_cast<uint8_t>(random());
        TMemoryStream input(bytes);
        TMemoryStream output;
        TRenderPDF render;
        render.Clock = [] { return std::time_t{0}; };
        render.SetOutputStream(&output);
        try {
            render.RenderStream(&input);
        } catch (const EReportError&) {
            ++failures;
            continue;
        }
        ++written;
        const std::string file(output.Bytes().begin(), output.Bytes().end());
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
