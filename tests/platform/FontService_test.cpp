#include "platform/FontService.h"

#include "platform/Windows1252.h"

#include "CaseTable.h"
#include "TestFiles.h"

#include <cmath>
#include <cstdio>
#include <sstream>

using namespace platform;

namespace {

std::string StyleText(bool bold, bool italic) {
    return std::string(bold ? " bold" : "") + (italic ? " italic" : "");
}

} // namespace

// A name (with a PDF style suffix or not), its family and style as split, and the face it gets: an
// installed family's, under its own name or a metric-compatible one, or a general substitute, and
// every face measures text.
TEST(FontResolution, NamesMapToInstalledFacesOrASubstitute) {
    FontService fonts;
    EXPECT_TRUE(test::MatchesCaseTable(PLATFORM_TEST_DATA "/font-names.txt", [&](const std::string& name) {
        FontStyle style;
        const std::string family = FontService::SplitStyleSuffix(name, style);
        const FontMatch& match = fonts.Resolve(name);
        const char* const kinds[] = {"exact", "metric alias", "substitute"};
        return "\"" + family + "\"" + StyleText(style.Bold, style.Italic) + " => " +
               (match.IsInstalled() ? match.Family + StyleText(match.Bold, match.Italic) + ", " : "") +
               kinds[static_cast<int>(match.Kind)] + (fonts.IsTrueTypeFace(name) ? ", TrueType" : "") +
               (fonts.Face(name).TextWidth("x", 10) > 0 ? "" : ", measures nothing");
    }));
    EXPECT_EQ(&fonts.Face("ArialNarrow,Bold"), &fonts.Face("arial narrow", FontStyle{true, false}))
        << "one cached face";
    // A name from a damaged page stream still gets a face to measure with, however long.
    EXPECT_GT(fonts.Face(std::string(5000, 'q')).TextWidth("x", 10), 0.0);
}

TEST(FontMeasurement, TextWidthIsPlausibleAndScalesWithResolution) {
    FontService fonts;
    const FontFace& arial = fonts.Face("Arial");
    const double at300 = arial.TextWidth("Sudoku", FontFace::EmPixels(12, 300));
    EXPECT_TRUE(at300 > 0.5 * 300 && at300 < 0.65 * 300)
        << at300 << ": 12-point Sudoku is a little over half an inch";
    EXPECT_NEAR(arial.TextWidth("Sudoku", FontFace::EmPixels(12, 1248)), at300 * 1248.0 / 300.0, 1e-9);
    EXPECT_NEAR(arial.TextWidth("SudokuSudoku", 50), 2 * arial.TextWidth("Sudoku", 50), 1e-9);

    // Device widths round each glyph: never further from the exact width than half a pixel a glyph.
    const int device = arial.DeviceTextWidth("Sudoku", 50);
    EXPECT_LE(std::abs(device - at300), 6 * 0.5);
    int perGlyph = 0;
    for (const char c : std::string("Sudoku"))
        perGlyph += arial.DeviceTextWidth(std::string(1, c), 208);
    EXPECT_EQ(arial.DeviceTextWidth("Sudoku", 208), perGlyph) << "whole pixels per glyph, added";
    EXPECT_EQ(arial.DeviceTextWidth("Sudoku", 50.3), device) << "the em is a whole number of pixels";
    EXPECT_EQ(arial.DeviceTextWidth("Sudoku", 50), device) << "switching sizes gives the same widths";
}

// For each face: widths in thousandths of an em (space, A, a, @, and through Windows-1252 the euro
// sign and the en dash), the Windows text metrics of a 12-point font at 300 dpi, and what the PDF
// font descriptor takes from the outline: flags (1 fixed pitch, 2 serif, 32 nonsymbolic, 64 italic).
// The font program to embed is the whole font file.
TEST(FontMeasurement, WidthsMetricsAndDescriptorsFollowThePublishedFonts) {
    FontService fonts;
    EXPECT_TRUE(test::MatchesCaseTable(PLATFORM_TEST_DATA "/font-faces.txt", [&](const std::string& name) {
        const FontFace& face = fonts.Face(name);
        const std::array<int, 256> w = face.Widths1000();
        const TextMetrics m = face.Metrics(FontFace::EmPixels(12, 300));
        const OutlineMetrics& o = face.Outline();
        std::ostringstream text;
        text << "widths " << w[' '] << " " << w['A'] << " " << w['a'] << " " << w['@'] << " " << w[0x80]
             << " " << w[0x96] << "; em " << m.EmPixels << " px: ascent " << m.Ascent << " descent "
             << m.Descent << " height " << m.Height << " internal leading " << m.InternalLeading
             << "; outline: ascent " << o.Ascent << " descent " << o.Descent << " codes " << o.FirstChar
             << "-" << o.LastChar << " flags " << o.Flags << " italic angle " << o.ItalicAngleTenths / 10.0
             << " stem " << o.StemV << (o.Embeddable ? ", embeddable" : "");
        EXPECT_EQ(o.ItalicAngleTenths, std::lround(o.ItalicAngle * 10)) << name;
        EXPECT_TRUE(m.ExternalLeading >= 0 && m.UnderlinePosition > 0 && m.UnderlineThickness > 0 &&
                    m.StrikeOutPosition > m.UnderlineThickness && m.StrikeOutPosition < m.Ascent)
            << name;
        EXPECT_TRUE(o.BBoxLeft < 0 && o.BBoxBottom < 0 && o.BBoxTop > o.Ascent - 100) << name;
        EXPECT_TRUE(o.CapHeight > 600 && o.CapHeight < o.Ascent) << name;
        const std::vector<std::uint8_t> program = face.FontProgram(); // embedded as it is
        EXPECT_EQ(std::string(program.begin(), program.end()), test::ReadWholeFile(face.Match().File))
            << name;
        return text.str();
    }));

    // A positive (cell) height: the em that makes ascent + descent that tall.
    const double em = fonts.Face("Arial").EmPixelsForCellHeight(50);
    EXPECT_LT(em, 50);
    EXPECT_NEAR(fonts.Face("Arial").Metrics(em).Height, 50, 1);
}

TEST(Windows1252, MapsTheHighControlRangeBothWays) {
    using cp = platform::Windows1252;
    EXPECT_TRUE(test::MatchesCaseTable(PLATFORM_TEST_DATA "/windows-1252.txt", [](const std::string& code) {
        char text[16];
        std::snprintf(text, sizeof text, "U+%04X",
                      static_cast<unsigned>(cp::ToUnicode(static_cast<std::uint8_t>(code[0]))));
        return std::string(text);
    }));
    for (int code = 0; code < 256; ++code)
        EXPECT_EQ(cp::FromUnicode(cp::ToUnicode(static_cast<std::uint8_t>(code))), code);
    EXPECT_EQ(cp::FromUnicode(U'\u2620'), -1);
}
