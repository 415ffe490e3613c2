// Font mapping, font objects and TrueType metrics.
#include "PdfTestSupport.h"
#include "pdf/TPDFFontTrueType.h"
#include "pdf/TPlatformFontSource.h"

#include <gtest/gtest.h>

#include <map>

using namespace pdf;
using pdftest::Lines;
using pdftest::TestRenderer;

namespace {

// A font source with one installed TrueType face, "Velmora Script", with set metrics.
class FakeFontSource : public TPdfFontSource {
  public:
    TTrueTypeMetrics Metrics;
    std::string Program = "fake font program bytes";
    bool Available = true;
    int MetricCalls = 0;

    FakeFontSource() {
        Metrics.FirstChar = 32;
        Metrics.LastChar = 52;
        for (int code = 0; code < 256; ++code)
            Metrics.Widths[static_cast<size_t>(code)] = 400 + code;
        Metrics.BBoxLeft = -100;
        Metrics.BBoxTop = 900;
        Metrics.BBoxRight = 1100;
        Metrics.BBoxBottom = -250;
        Metrics.ItalicAngle = -120;
        Metrics.Ascent = 905;
        Metrics.Descent = 212;
        Metrics.InternalLeading = 117;
        Metrics.ExternalLeading = 33;
        Metrics.MaxWidth = 1500;
        Metrics.AvgWidth = 441;
        Metrics.PanoseFamily = 3;
        Metrics.PanoseProportion = 9;
    }
    static bool Known(const std::string& name) {
        return name.rfind("Velmora Script", 0) == 0 || name.rfind("VelmoraScript", 0) == 0;
    }
    bool IsTrueTypeFace(const std::string& name, bool, bool) override { return Known(name); }
    std::optional<TTrueTypeMetrics> OutlineMetrics(const std::string& name, bool, bool) override {
        ++MetricCalls;
        if (!Known(name) || !Available) return std::nullopt;
        return Metrics;
    }
    std::string FontProgram(const std::string&, bool, bool) override { return Program; }
};

TReportFont Font(const std::string& name, bool bold = false, bool italic = false) {
    TReportFont font;
    font.Name = name;
    font.Size = 12;
    font.Bold = bold;
    font.Italic = italic;
    return font;
}

std::vector<std::string> ObjectLines(const std::string& file, int number) {
    const std::vector<std::string> lines = Lines(file);
    auto at = std::find(lines.begin(), lines.end(), std::to_string(number) + " 0 obj");
    auto end = std::find(at, lines.end(), "endobj");
    if (at == lines.end()) return {};
    return std::vector<std::string>(at + 1, end);
}

} // namespace

TEST(PdfFonts, CommonFamiliesMapToStandardFonts) {
    TRenderPDF render;
    EXPECT_EQ(render.MapFontName("Arial", false, false), "Helvetica");
    EXPECT_EQ(render.MapFontName("Arial", true, true), "Helvetica-BoldOblique");
    EXPECT_EQ(render.MapFontName("ARIAL", true, false), "Helvetica-Bold");
    EXPECT_EQ(render.MapFontName("Courier New", false, false), "Courier");
    EXPECT_EQ(render.MapFontName("courier", false, true), "Courier-Oblique");
    EXPECT_EQ(render.MapFontName("times new roman", false, true), "Times-Italic");
    EXPECT_EQ(render.MapFontName("TimesRoman", true, true), "Times-BoldItalic");
    EXPECT_EQ(render.MapFontName("Times New Roman", true, false), "Times-Bold");
    EXPECT_EQ(render.MapFontName("Times New Roman", false, false), "Times-Roman");
    EXPECT_EQ(render.MapFontName("Symbol", true, true), "Symbol");
    EXPECT_EQ(render.MapFontName("zapfdingbats", true, false), "ZapfDingbats");
    // Without a TrueType face of that name the family falls back to Helvetica.
    EXPECT_EQ(render.MapFontName("No Such Face", false, true), "Helvetica-Oblique");
}

TEST(PdfFonts, TrueTypeFacesKeepTheirNameWithoutBlanks) {
    TRenderPDF render;
    render.SetFontSource(std::make_shared<FakeFontSource>());
    EXPECT_EQ(render.MapFontName("Velmora Script", true, false), "VelmoraScript,Bold");
    EXPECT_EQ(render.MapFontName("Velmora Script", true, true), "VelmoraScript,BoldItalic");
    EXPECT_EQ(render.MapFontName("Velmora Script", false, true), "VelmoraScript,Italic");
    EXPECT_EQ(TRenderPDF::TrueTypeFontName("Arial Narrow", true, false), "ArialNarrow,Bold");
}

TEST(PdfFonts, OneObjectPerFontNumberedInOrderOfUse) {
    TestRenderer t;
    t.Begin();
    t.Render.FontChanged(Font("Arial"));
    TPDFFont* first = t.Render.CurrentFont;
    t.Render.FontChanged(Font("Courier New"));
    t.Render.FontChanged(Font("arial"));
    EXPECT_EQ(t.Render.CurrentFont, first);
    ASSERT_EQ(t.Render.Document->FontList.size(), 2u);
    EXPECT_EQ(t.Render.Document->FontList[0]->ResourceName, "F1");
    EXPECT_EQ(t.Render.Document->FontList[1]->ResourceName, "F2");
    t.NewPage();
    const std::string file = t.Finish();
    // Objects: 1-3 fixed, pages 4-7, procedure set 8, fonts 9 and 10, information 11.
    EXPECT_EQ(ObjectLines(file, 9),
              (std::vector<std::string>{"<<", "/Type /Font", "/Subtype /Type1", "/Name /F1",
                                        "/BaseFont /Helvetica", "/Encoding /WinAnsiEncoding", ">>"}));
    EXPECT_EQ(ObjectLines(file, 10)[4], "/BaseFont /Courier");
    // Both pages list both fonts.
    EXPECT_EQ(pdftest::Count(file, "/Font <<\r\n/F1 9 0 R \r\n/F2 10 0 R \r\n>>\r\n"), 2u);
    EXPECT_EQ(file.find("/Widths"), std::string::npos);
    EXPECT_EQ(pdftest::ReadersCheck(file).Output, "");
}

TEST(PdfFonts, EncodingNameIsWrittenForEveryFont) {
    const std::pair<TPDFFontEncoding, const char*> encodings[] = {
        {feMacRomanEncoding, "/Encoding /MacRomanEncoding"},
        {feMacExpertEncoding, "/Encoding /MacExpertEncoding"},
        {fePDFDocEncoding, "/Encoding /PDFDocEncoding"},
        {feStandardEncoding, "/Encoding /StandardEncoding"}};
    for (const auto& [encoding, line] : encodings) {
        TestRenderer t;
        t.Render.FontEncoding = encoding;
        t.Begin();
        t.Render.FontChanged(Font("Symbol"));
        EXPECT_NE(t.Finish().find(std::string(line) + "\r\n"), std::string::npos) << line;
    }
}

TEST(PdfFonts, FontChangeSetsTheTextState) {
    TestRenderer t;
    t.Begin();
    TReportFont font = Font("Arial", true);
    font.Size = 9.4;
    font.Color = 0x0000FF;
    font.Underline = true;
    font.Rotation = 45;
    t.Render.FontChanged(font);
    EXPECT_EQ(t.Render.CurrentFont->BaseFont, "Helvetica-Bold");
    EXPECT_EQ(t.Render.FontSize, 9);
    EXPECT_EQ(t.Render.CurrentPage->TextColor, 0x0000FF);
    EXPECT_TRUE(t.Render.Underline);
    EXPECT_FALSE(t.Render.StrikeOut);
    EXPECT_DOUBLE_EQ(t.Render.FontAngle, 45);
}

TEST(PdfFonts, TextWidthUsesTheBuiltInTables) {
    TestRenderer t;
    t.Begin();
    t.Render.FontChanged(Font("Arial"));
    EXPECT_DOUBLE_EQ(TRenderPDF::TextWidth(*t.Render.CurrentFont, "AB", 10), (667 + 667) / 1000.0 * 10 / 72);
    t.Render.FontChanged(Font("Times New Roman", false, true));
    EXPECT_DOUBLE_EQ(TRenderPDF::TextWidth(*t.Render.CurrentFont, "Aa", 72), (611 + 500) / 1000.0);
    EXPECT_DOUBLE_EQ(TRenderPDF::TextWidth(*t.Render.CurrentFont, "", 12), 0);
    EXPECT_DOUBLE_EQ(TRenderPDF::TextWidth(*t.Render.CurrentFont, "\xFF", 72), 444 / 1000.0); // ydieresis
}

TEST(PdfFonts, TrueTypeFontWritesWidthsTenToALineAndADescriptor) {
    auto source = std::make_shared<FakeFontSource>();
    TestRenderer t;
    t.Render.SetFontSource(source);
    t.Begin();
    t.Render.FontChanged(Font("Velmora Script", true));
    auto* font = dynamic_cast<TPDFFontTrueType*>(t.Render.CurrentFont);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->BaseFont, "VelmoraScript,Bold");
    const std::string file = t.Finish();
    // 1-3 fixed, page 4-5, procedure set 6, font 7, descriptor 8, information 9.
    EXPECT_EQ(ObjectLines(file, 7),
              (std::vector<std::string>{
                  "<<", "/Type /Font", "/Subtype /TrueType", "/Name /F1", "/BaseFont /VelmoraScript,Bold",
                  "/Encoding /WinAnsiEncoding", "/FirstChar 32", "/LastChar 52",
                  "/Widths [432 433 434 435 436 437 438 439 ", "440 441 442 443 444 445 446 447 448 449 ",
                  "450 451 452 ]", "/FontDescriptor 8 0 R", ">>"}));
    EXPECT_EQ(ObjectLines(file, 8),
              (std::vector<std::string>{"<<", "/Type /FontDescriptor", "/FontName /VelmoraScript,Bold",
                                        "/Flags 105", "/FontBBox [-100 -250 1100 900]", "/MissingWidth 432",
                                        "/StemV 80", "/StemH 80", "/ItalicAngle -120", "/CapHeight 905",
                                        "/XHeight 452", "/Ascent 905", "/Descent -212", "/Leading 150",
                                        "/MaxWidth 1500", "/AvgWidth 441", ">>"}));
    EXPECT_EQ(file.find("FontFile2"), std::string::npos);
    EXPECT_NE(file.find("/Size 10\r\n"), std::string::npos);
    EXPECT_EQ(pdftest::ReadersCheck(file).Output, "");
}

TEST(PdfFonts, DescriptorFlagsAndHalfwayXHeight) {
    auto source = std::make_shared<FakeFontSource>();
    source->Metrics.PanoseFamily = 2;
    source->Metrics.PanoseProportion = 3;
    source->Metrics.ItalicAngle = 0;
    source->Metrics.Ascent = 905; // 452.5 rounds to the even 452
    TestRenderer t;
    t.Render.SetFontSource(source);
    t.Begin();
    t.Render.FontChanged(Font("Velmora Script"));
    auto* font = dynamic_cast<TPDFFontTrueType*>(t.Render.CurrentFont);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->Descriptor->Flags, 32);
    EXPECT_EQ(font->Descriptor->XHeight, 452);
    source->Metrics.Ascent = 907; // 453.5 rounds to the even 454
    t.Render.FontChanged(Font("Velmora Script", false, true));
    font = dynamic_cast<TPDFFontTrueType*>(t.Render.CurrentFont);
    EXPECT_EQ(font->Descriptor->XHeight, 454);
}

TEST(PdfFonts, EmbeddingFollowsTheSwitchAndTheLicence) {
    auto source = std::make_shared<FakeFontSource>();
    {
        TestRenderer t;
        t.Render.SetFontSource(source);
        t.Render.EmbedFonts = true;
        t.Begin();
        t.Render.FontChanged(Font("Velmora Script"));
        const std::string file = t.Finish();
        EXPECT_NE(file.find("/FontFile2 9 0 R\r\n"), std::string::npos) << file;
        EXPECT_EQ(ObjectLines(file, 9), (std::vector<std::string>{"<< /Length 23 ", "/Length1 23 >>",
                                                                  "stream", source->Program + "endstream"}));
        EXPECT_NE(file.find("/Info 10 0 R"), std::string::npos);
        // The stand-in font program is no font a reader could draw with: only the structure counts.
        const std::string path = pdftest::WriteTempFile(file);
        EXPECT_EQ(pdftest::RunTool("qpdf --check '" + path + "'").Status, 0);
        std::remove(path.c_str());
    }
    source->Metrics.LicenceFlags = 1; // the licence forbids embedding
    {
        TestRenderer t;
        t.Render.SetFontSource(source);
        t.Render.EmbedFonts = true;
        t.Begin();
        t.Render.FontChanged(Font("Velmora Script"));
        const std::string file = t.Finish();
        EXPECT_EQ(file.find("FontFile2"), std::string::npos);
        EXPECT_NE(file.find("/Info 9 0 R"), std::string::npos);
    }
}

TEST(PdfFonts, MissingOutlineMetricsLeaveTheFontWithoutWidths) {
    auto source = std::make_shared<FakeFontSource>();
    source->Available = false;
    TestRenderer t;
    t.Render.SetFontSource(source);
    t.Begin();
    t.Render.FontChanged(Font("Velmora Script"));
    auto* font = dynamic_cast<TPDFFontTrueType*>(t.Render.CurrentFont);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->FirstChar, 0);
    EXPECT_EQ(font->LastChar, 0);
    EXPECT_DOUBLE_EQ(TRenderPDF::TextWidth(*font, "abc", 12), 0);
    EXPECT_FALSE(font->Embeddable);
    EXPECT_EQ(pdftest::ReadersCheck(t.Finish()).Output, "");
}

TEST(PdfFonts, InstalledFontsResolveThroughThePlatform) {
    TestRenderer t;
    t.Render.SetFontSource(std::make_shared<TPlatformFontSource>());
    t.Render.EmbedFonts = true;
    t.Begin();
    t.Render.FontChanged(Font("Arial"));
    EXPECT_EQ(t.Render.CurrentFont->BaseFont, "Helvetica");
    t.Render.FontChanged(Font("DejaVu Sans", true));
    const std::string base = t.Render.CurrentFont->BaseFont;
    if (base != "DejaVuSans,Bold") GTEST_SKIP() << "DejaVu Sans Bold is not installed as TrueType";
    t.Render.RenderLeftText("DejaVu text", 1, 1);
    const std::string file = t.Finish();
    EXPECT_EQ(pdftest::ReadersCheck(file).Output, "");
    const std::string path = pdftest::WriteTempFile(file);
    const auto fonts = pdftest::RunTool("pdffonts '" + path + "'");
    const auto text = pdftest::RunTool("pdftotext '" + path + "' -");
    std::remove(path.c_str());
    EXPECT_NE(fonts.Output.find("DejaVuSans,Bold"), std::string::npos) << fonts.Output;
    EXPECT_NE(fonts.Output.find("TrueType"), std::string::npos) << fonts.Output;
    EXPECT_NE(text.Output.find("DejaVu text"), std::string::npos) << text.Output;
}
