// The file layout: objects, numbering, cross-reference table and trailer, byte for byte; the
// formats of PDF text and colours that the stored files do not show (the numbers are NumberFormat's).
#include "PdfTestSupport.h"
#include "pdf/PdfFormat.h"

#include <gtest/gtest.h>

using namespace pdf;
using pdftest::TestRenderer;

// Asking for compression without a handler leaves the streams as they are.
TEST(PdfDocument, MatchesTheStoredEmptyPageFile) {
    for (const bool compression : {false, true}) {
        TestRenderer t;
        t.Render.UseCompression = compression;
        t.Begin();
        const std::string file = t.Finish();
        EXPECT_TRUE(pdftest::MatchesGolden("empty-page", file));
        EXPECT_EQ(pdftest::ComplaintsAbout(file), "");
    }
}

// The played stream's test adds it to a plain name.
TEST(PdfDocument, OutputFileNameGetsTheExtensionOnlyWithoutADot) {
    EXPECT_EQ(TRenderPDF::OutputNameWithExtension("/home/u/my.docs/report", "*.pdf"),
              "/home/u/my.docs/report.pdf");
    EXPECT_EQ(TRenderPDF::OutputNameWithExtension("out.PDF", "*.pdf"), "out.PDF");
    EXPECT_EQ(TRenderPDF::OutputNameWithExtension("report", "*.pdf;*.PDF"), "report.pdf");
    EXPECT_EQ(TRenderPDF::OutputNameWithExtension("report", "pdf"), "reportpdf");
}

TEST(PdfFormat, EscapesAndColoursBeyondTheStoredFiles) {
    EXPECT_EQ(EscapeText("line\r\nbreak \xE9"), "line\r\nbreak \xE9"); // only ( ) and \ are escaped
    EXPECT_EQ(PDFColor(0x000180), "0.502 0.00392 0");                  // red from the low byte
    EXPECT_EQ(PDFColor(static_cast<int32_t>(0x80000005)), "0 0 0");    // system colour
    EXPECT_EQ(PDFColor(0x7F0000FF), "1 0 0");                          // top byte ignored
}
