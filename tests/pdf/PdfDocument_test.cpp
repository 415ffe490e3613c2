// The file layout: objects, numbering, cross-reference table and trailer, byte for byte.
#include "PdfTestSupport.h"

#include <gtest/gtest.h>

using namespace pdf;
using pdftest::TestRenderer;

TEST(PdfDocument, MatchesTheStoredEmptyPageFile) {
    TestRenderer t;
    t.Begin();
    const std::string file = t.Finish();
    EXPECT_TRUE(pdftest::MatchesGolden("empty-page", file));
    EXPECT_EQ(pdftest::ComplaintsAbout(file), "");
}

TEST(PdfDocument, DocEndReleasesTheDocumentAndTheRendererCanRunAgain) {
    TestRenderer t;
    auto document = [&] {
        t.Begin();
        t.Render.FontChanged(TReportFont{.Name = "Courier New"});
        t.Render.RenderLeftText("x", 1, 1);
        return t.Finish();
    };
    const std::string first = document();
    TMemoryStream again;
    t.Render.SetOutputStream(&again);
    document();
    EXPECT_EQ(std::string(again.Bytes().begin(), again.Bytes().end()), first);
}

TEST(PdfDocument, OutputFileNameGetsTheExtensionOnlyWithoutADot) {
    EXPECT_EQ(TRenderPDF::OutputNameWithExtension("report", "*.pdf"), "report.pdf");
    EXPECT_EQ(TRenderPDF::OutputNameWithExtension("/home/u/my.docs/report", "*.pdf"),
              "/home/u/my.docs/report.pdf");
    EXPECT_EQ(TRenderPDF::OutputNameWithExtension("out.PDF", "*.pdf"), "out.PDF");
    EXPECT_EQ(TRenderPDF::OutputNameWithExtension("report", "*.pdf;*.PDF"), "report.pdf");
    EXPECT_EQ(TRenderPDF::OutputNameWithExtension("report", "pdf"), "reportpdf");
}
