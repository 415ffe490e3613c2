// Font mapping, font objects, TrueType metrics and the width tables of the standard fonts.
#include "CaseTable.h"
#include "PdfTestSupport.h"
#include "RunCommand.h"
#include "TestFiles.h"
#include "pdf/FlateCompressor.h"
#include "pdf/StandardFontWidths.h"
#include "pdf/TPlatformFontSource.h"

#include <gtest/gtest.h>

#include <regex>

using namespace pdf;
using pdftest::TestRenderer;

namespace {

// Installed TrueType faces: "Velmora Script" with metrics that differ per style, and "Velmora
// Missing", whose outline metrics cannot be read.
class FakeFontSource : public TPdfFontSource {
  public:
    std::string Program = "fake font program bytes";
    uint32_t LicenceFlags = 0;

    bool IsTrueTypeFace(const std::string& name, bool, bool) override { return name.starts_with("Velmora"); }
    std::optional<TTrueTypeMetrics> OutlineMetrics(const std::string& name, bool bold, bool italic) override {
        if (name.find("Script") == std::string::npos) return std::nullopt;
        TTrueTypeMetrics m{.FirstChar = 32,
                           .LastChar = bold ? 52 : 126,
                           .BBoxLeft = -100,
                           .BBoxTop = 900,
                           .BBoxRight = 1100,
                           .BBoxBottom = -250,
                           .ItalicAngle = bold ? -120 : 0,
                           // half of the ascent rounds to the even 454 and 452
                           .Ascent = italic ? 907 : 905,
                           .Descent = 212,
                           .InternalLeading = 117,
                           .ExternalLeading = 33,
                           .MaxWidth = 1500,
                           .AvgWidth = 441,
                           .PanoseFamily = uint8_t(bold ? 3 : 2),
                           .PanoseProportion = uint8_t(bold ? 9 : 3),
                           .LicenceFlags = LicenceFlags};
        for (int code = 0; code < 256; ++code)
            m.Widths[static_cast<size_t>(code)] = 400 + code;
        return m;
    }
    std::string FontProgram(const std::string&, bool, bool) override { return Program; }
};

TReportFont Font(const std::string& name, bool bold = false, bool italic = false) {
    return {.Name = name, .Size = 12, .Bold = bold, .Italic = italic};
}

} // namespace

TEST(PdfFonts, FacesMapToStandardOrTrueTypeNames) {
    TRenderPDF render;
    render.SetFontSource(std::make_shared<FakeFontSource>());
    EXPECT_TRUE(test::MatchesCaseTable(PDF_TEST_DATA "/font-mapping.txt", [&](const std::string& face) {
        return render.MapFontName(face.substr(0, face.find(',')), face.find(",Bold") != std::string::npos,
                                  face.ends_with("Italic"));
    }));
}

TEST(PdfFonts, EncodingNameIsWrittenForEveryFont) {
    const std::pair<TPDFFontEncoding, std::string> encodings[] = {{feMacRomanEncoding, "MacRoman"},
                                                                  {feMacExpertEncoding, "MacExpert"},
                                                                  {fePDFDocEncoding, "PDFDoc"},
                                                                  {feStandardEncoding, "Standard"}};
    for (const auto& [encoding, name] : encodings) {
        TestRenderer t;
        t.Render.FontEncoding = encoding;
        t.Begin();
        t.Render.FontChanged(Font("Symbol"));
        EXPECT_NE(t.Finish().find("/Encoding /" + name + "Encoding\r\n"), std::string::npos) << name;
    }
}

// Right-aligned and centred text in the stored files use it too.
TEST(PdfFonts, TextWidthUsesTheBuiltInTables) {
    TestRenderer t;
    t.Begin();
    t.Render.FontChanged(Font("Times New Roman", false, true));
    EXPECT_DOUBLE_EQ(TRenderPDF::TextWidth(*t.Render.CurrentFont, "Aa", 10), (611 + 500) / 1000.0 * 10 / 72);
    EXPECT_DOUBLE_EQ(TRenderPDF::TextWidth(*t.Render.CurrentFont, "\xFF", 72), 444 / 1000.0); // ydieresis
}

// Widths ten to a line, descriptors with their flags, and a face without readable metrics.
TEST(PdfFonts, TrueTypeFontsMatchTheStoredFile) {
    TestRenderer t;
    t.Render.SetFontSource(std::make_shared<FakeFontSource>());
    t.Begin();
    const TReportFont fonts[] = {Font("Velmora Script", true), Font("Velmora Script"),
                                 Font("Velmora Script", false, true), Font("Velmora Missing")};
    double y = 1;
    for (const TReportFont& font : fonts) {
        t.Render.FontChanged(font);
        t.Render.RenderRightText("right-aligned 0123", 4, y);
        y += 0.5;
    }
    const std::string file = t.Finish();
    EXPECT_TRUE(pdftest::MatchesGolden("truetype-fonts", file));
    EXPECT_EQ(pdftest::ComplaintsAbout(file), "");
}

TEST(PdfFonts, EmbeddingFollowsTheSwitchAndTheLicence) {
    auto source = std::make_shared<FakeFontSource>();
    const auto file = [&](bool embed, bool compress = false, const std::string& face = "Velmora Script") {
        TestRenderer t;
        t.Render.SetFontSource(source);
        t.Render.EmbedFonts = embed;
        t.Render.UseCompression = compress;
        t.Render.OnCompress = FlateCompress;
        t.Begin();
        t.Render.FontChanged(Font(face));
        return t.Finish();
    };
    // The stand-in font program is no font a reader could draw with, and only that is wrong; the
    // complaint also shows that the font refers to its font file.
    const std::string onlyTheFontIsBad = "pdftoppm: Syntax Error: Embedded font file may be invalid\n";
    const std::string embedded = file(true);
    EXPECT_NE(embedded.find("<< /Length 23 \r\n/Length1 23 >>\r\nstream\r\n" + source->Program + "endstream"),
              std::string::npos);
    EXPECT_EQ(pdftest::ComplaintsAbout(embedded), onlyTheFontIsBad);
    const std::string packed = file(true, true); // the font file keeps its uncompressed length
    EXPECT_NE(packed.find(" \r\n/Length1 23\r\n/Filter [/FlateDecode]\r\n>>\r\nstream\r\n"),
              std::string::npos);
    EXPECT_EQ(pdftest::ComplaintsAbout(packed), onlyTheFontIsBad);
    EXPECT_EQ(file(true, false, "Velmora Missing"), file(false, false, "Velmora Missing")); // no metrics
    source->LicenceFlags = 1; // the licence forbids embedding
    EXPECT_EQ(file(true), file(false));
}

TEST(PdfFonts, InstalledFontsResolveThroughThePlatform) {
    TestRenderer t;
    t.Render.SetFontSource(std::make_shared<TPlatformFontSource>());
    t.Render.EmbedFonts = true;
    t.Begin();
    t.Render.FontChanged(Font("DejaVu Sans", true));
    if (t.Render.CurrentFont->BaseFont != "DejaVuSans,Bold")
        GTEST_SKIP() << "DejaVu Sans Bold is not installed as TrueType";
    t.Render.RenderLeftText("DejaVu text", 1, 1);
    const std::string file = t.Finish();
    EXPECT_EQ(pdftest::ComplaintsAbout(file), "");
    const test::TempFolder folder;
    test::WriteWholeFile(folder.File("dejavu.pdf"), file);
    const std::string fonts = test::RunCommand({"pdffonts", folder.File("dejavu.pdf")}).Out;
    const std::string text = test::RunCommand({"pdftotext", folder.File("dejavu.pdf"), "-"}).Out;
    EXPECT_TRUE(std::regex_search(fonts, std::regex("DejaVuSans,Bold +TrueType +WinAnsi +yes"))) << fonts;
    EXPECT_NE(text.find("DejaVu text"), std::string::npos) << text;
}

// Names ignore case but must match whole.
TEST(StandardFontWidths, LookupIgnoresCaseButMatchesWholeNames) {
    ASSERT_NE(FindStandardFontWidths("Helvetica-BoldOblique"), nullptr);
    EXPECT_EQ(FindStandardFontWidths("helvetica-boldoblique"),
              FindStandardFontWidths("Helvetica-BoldOblique"));
    EXPECT_EQ(FindStandardFontWidths("Arial"), nullptr);
    EXPECT_EQ(FindStandardFontWidths("Helvetica-"), nullptr);
}

// Every width, sixteen codes to a line: control codes are 0, Courier is 600 throughout, the undefined
// WinAnsi codes of the text fonts take the bullet's width, Symbol and ZapfDingbats have gaps.
TEST(StandardFontWidths, EveryTableMatchesTheStoredList) {
    std::string text;
    for (const auto& table : StandardFontWidthTables) {
        text += std::string(table.BaseFont) + "\n";
        for (int code = 0; code < 256; ++code)
            text += std::to_string(table.Widths[code]) + (code % 16 == 15 ? "\n" : " ");
    }
    EXPECT_TRUE(test::MatchesGoldenFile(text, PDF_TEST_DATA "/standard-font-widths.txt"));
}
