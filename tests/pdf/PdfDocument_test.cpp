// The file layout: objects, numbering, cross-reference table and trailer, byte for byte.
#include "PdfTestSupport.h"
#include "pdf/PdfFormat.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

using namespace pdf;
using pdftest::Lines;
using pdftest::TestRenderer;

namespace {

// Offsets of the "N 0 obj" lines, as a reader finds them.
std::vector<size_t> ObjectOffsets(const std::string& file) {
    std::vector<size_t> offsets;
    for (int n = 1;; ++n) {
        const std::string marker = "\r\n" + std::to_string(n) + " 0 obj\r\n";
        const size_t at = file.find(marker);
        if (at == std::string::npos) return offsets;
        offsets.push_back(at + 2);
    }
}

} // namespace

TEST(PdfDocument, OneEmptyPageGivesSevenObjectsExactly) {
    TestRenderer t;
    t.Render.DocInfo = TPDFDocInfo{};
    t.Render.DocInfo.Creator.clear();
    t.Render.DocInfo.Producer.clear();
    t.Begin();
    const std::string file = t.Finish();

    std::string expected = "%PDF-1.3\r\n%\xE2\xE3\xCF\xD3\r\n\r\n";
    const std::vector<std::string> body = {"1 0 obj",
                                           "<<",
                                           "/Type /Catalog",
                                           "/Outlines 2 0 R",
                                           "/Pages 3 0 R",
                                           ">>",
                                           "endobj",
                                           "",
                                           "2 0 obj",
                                           "<<",
                                           "/Type /Outlines",
                                           "/Count 0",
                                           ">>",
                                           "endobj",
                                           "",
                                           "3 0 obj",
                                           "<<",
                                           "/Type /Pages",
                                           "/Count 1",
                                           "/Kids [ 4 0 R ] ",
                                           ">>",
                                           "endobj",
                                           "",
                                           "4 0 obj",
                                           "<<",
                                           "/Type /Page",
                                           "/Parent 3 0 R",
                                           "/Resources <<",
                                           "/ProcSet 6 0 R",
                                           ">>",
                                           "/MediaBox [0 0 612.0000 792.0000]",
                                           "/Contents 5 0 R",
                                           ">>",
                                           "endobj",
                                           "",
                                           "5 0 obj",
                                           "<< /Length 5 >>",
                                           "stream",
                                           "2 J",
                                           "endstream",
                                           "endobj",
                                           "",
                                           "6 0 obj",
                                           "[/PDF /Text]",
                                           "endobj",
                                           "",
                                           "7 0 obj",
                                           "<<",
                                           "/CreationDate (D:20261206070809)",
                                           ">>",
                                           "endobj",
                                           ""};
    for (const auto& line : body)
        expected += line + "\r\n";
    const size_t xref = expected.size();
    const std::vector<size_t> offsets = ObjectOffsets(expected);
    ASSERT_EQ(offsets.size(), 7u);
    EXPECT_EQ(offsets[0], 19u);
    expected += "xref\r\n0 8\r\n0000000000 65535 f\r\n";
    for (size_t offset : offsets)
        expected += FormatOffset10(offset) + " 00000 n\r\n";
    expected += "\r\ntrailer\r\n<<\r\n/Size 8\r\n/Root 1 0 R\r\n/Info 7 0 R\r\n>>\r\n\r\nstartxref\r\n" +
                std::to_string(xref) + "\r\n%%EOF\r\n";
    EXPECT_EQ(file, expected);
    EXPECT_NE(file.find("0000000019 00000 n\r\n"), std::string::npos);
    EXPECT_EQ(pdftest::ReadersCheck(file).Output, "");
}

TEST(PdfDocument, MatchesTheStoredEmptyPageFile) {
    TestRenderer t;
    t.Begin();
    EXPECT_TRUE(pdftest::MatchesGolden("empty-page", t.Finish()));
}

TEST(PdfDocument, InformationDictionaryWritesOnlyGivenTextsEscaped) {
    TestRenderer t;
    t.Render.DocInfo = TPDFDocInfo{"a(b)c\\d", "Velmora UK Limited", "", "keys", "", "maker"};
    t.Begin();
    const std::vector<std::string> lines = Lines(t.Finish());
    const auto info = std::find(lines.begin(), lines.end(), "7 0 obj");
    ASSERT_NE(info, lines.end());
    const std::vector<std::string> expected = {"7 0 obj",
                                               "<<",
                                               "/Title (a\\(b\\)c\\\\d)",
                                               "/Author (Velmora UK Limited)",
                                               "/Keywords (keys)",
                                               "/Producer (maker)",
                                               "/CreationDate (D:20261206070809)",
                                               ">>",
                                               "endobj"};
    EXPECT_EQ(std::vector<std::string>(info, info + static_cast<long>(expected.size())), expected);
}

TEST(PdfDocument, PagesAreNumberedInPairsAndKidsListThemAll) {
    TestRenderer t;
    t.Begin();
    t.Render.RenderMoveTo(1, 1);
    t.NewPage(11, 8.5);
    t.NewPage();
    const std::string file = t.Finish();
    const std::vector<std::string> lines = Lines(file);
    auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(has("/Count 3"));
    EXPECT_TRUE(has("/Kids [ 4 0 R 6 0 R 8 0 R ] "));
    EXPECT_TRUE(has("/Contents 5 0 R"));
    EXPECT_TRUE(has("/Contents 9 0 R"));
    EXPECT_TRUE(has("/ProcSet 10 0 R"));
    EXPECT_TRUE(has("/MediaBox [0 0 792.0000 612.0000]")); // the landscape page keeps its own size
    EXPECT_TRUE(has("11 0 obj"));                          // the information dictionary
    EXPECT_TRUE(has("/Size 12"));
    EXPECT_TRUE(has("/Info 11 0 R"));
    EXPECT_EQ(pdftest::ReadersCheck(file).Output, "");
    const std::string path = pdftest::WriteTempFile(file);
    const auto info = pdftest::RunTool("pdfinfo '" + path + "'");
    std::remove(path.c_str());
    EXPECT_TRUE(std::regex_search(info.Output, std::regex("Pages:\\s+3\\n"))) << info.Output;
}

TEST(PdfDocument, LaterPagesInheritTheColoursButNotTheCache) {
    TestRenderer t;
    t.Begin();
    t.Render.Pen.Color = 0x0000FF;
    t.Render.Brush.Color = 0x00FF00;
    t.Render.RenderRectangle(1, 1, 2, 2);
    t.NewPage();
    EXPECT_EQ(t.Render.CurrentPage->PenColor, 0x0000FF);
    EXPECT_EQ(t.Render.CurrentPage->BrushColor, 0x00FF00);
    t.Render.RenderMoveTo(1, 1);
    // The new page's stream carries its own state from scratch.
    EXPECT_EQ(
        pdftest::ContentLines(t.Content()),
        (std::vector<std::string>{"[] 0 d", "1 0 0 RG", "0 1 0 rg", "0.0000 w ", "72.0000 720.0000 m"}));
}

TEST(PdfDocument, DocEndReleasesTheDocumentAndTheRendererCanRunAgain) {
    TestRenderer t;
    t.Begin();
    const std::string first = t.Finish();
    EXPECT_EQ(t.Render.Document, nullptr);
    EXPECT_EQ(t.Render.CurrentFont, nullptr);
    TMemoryStream again;
    t.Render.SetOutputStream(&again);
    t.Render.DocBegin();
    t.Render.PageBegin();
    t.Render.DocEnd();
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

TEST(PdfDocument, ComponentDefaults) {
    TRenderPDF render;
    EXPECT_EQ(render.DisplayName(), "Portable Document Format (PDF)");
    EXPECT_EQ(render.FileExtension(), "*.pdf");
    EXPECT_FALSE(render.UseCompression);
    EXPECT_FALSE(render.EmbedFonts);
    EXPECT_EQ(render.ImageQuality, 90);
    EXPECT_EQ(render.MetafileDPI, 300);
    EXPECT_EQ(render.FontEncoding, feWinAnsiEncoding);
    EXPECT_FALSE(render.DocInfo.Creator.empty());
    EXPECT_FALSE(render.DocInfo.Producer.empty());
}
