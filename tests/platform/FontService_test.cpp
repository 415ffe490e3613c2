#include "platform/FontService.h"

#include "platform/Windows1252.h"

#include "CaseTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

using platform::FontFace;
using platform::FontMatchKind;
using platform::FontService;
using platform::FontStyle;

namespace {

constexpr FontStyle Bold{true, false};
constexpr FontStyle BoldItalic{true, true};

std::string StyleText(bool bold, bool italic) {
    return std::string(bold ? " bold" : "") + (italic ? " italic" : "");
}

} // namespace

// A name (with a PDF style suffix or not), its family and style as split, and the face it gets: an
// installed family's, under its own name or a metric-compatible one, or a general substitute.
TEST(FontResolution, NamesMapToInstalledFacesOrASubstitute) {
    FontService fonts;
    EXPECT_TRUE(test::MatchesCaseTable(PLATFORM_TEST_DATA "/font-names.txt", [&](const std::string& name) {
        FontStyle style;
        const std::string family = FontService::SplitStyleSuffix(name, style);
        const platform::FontMatch& match = fonts.Resolve(name);
        const char* const kinds[] = {"exact", "metric alias", "substitute"};
        return "\"" + family + "\"" + StyleText(style.Bold, style.Italic) + " => " +
               (match.IsInstalled() ? match.Family + StyleText(match.Bold, match.Italic) + ", " : "") +
               kinds[static_cast<int>(match.Kind)] + (fonts.IsTrueTypeFace(name) ? ", TrueType" : "");
    }));
    EXPECT_EQ(&fonts.Face("ArialNarrow,Bold"), &fonts.Face("arial narrow", Bold)) << "one cached face";
    // Names from a damaged page stream still get a face to measure with.
    for (const std::string& odd : {std::string(), std::string("\xff\xfe\x01"), std::string(5000, 'q')}) {
        EXPECT_EQ(fonts.Resolve(odd).Kind, FontMatchKind::Substitute) << odd.size();
        EXPECT_GT(fonts.Face(odd).TextWidth("x", 10), 0.0);
    }
}

TEST(FontMeasurement, TextWidthIsPlausibleAndScalesWithResolution) {
    FontService fonts;
    const FontFace& arial = fonts.Face("Arial");
    const double at300 = arial.TextWidth("Sudoku", FontFace::EmPixels(12, 300));
    EXPECT_TRUE(at300 > 0.5 * 300 && at300 < 0.65 * 300)
        << at300 << ": 12-point Sudoku is a little over half an inch";
    const double at1248 = arial.TextWidth("Sudoku", FontFace::EmPixels(12, 1248));
    EXPECT_NEAR(at1248, at300 * 1248.0 / 300.0, 1e-9);
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

TEST(FontMeasurement, WidthsInThousandthsMatchThePublishedMetrics) {
    FontService fonts;
    const std::array<int, 256> arial = fonts.Face("Arial").Widths1000();
    // 0x80 and 0x96 are the euro sign and the en dash through Windows-1252.
    EXPECT_EQ((std::array{arial[' '], arial['A'], arial['a'], arial['@'], arial[0x80], arial[0x96]}),
              (std::array{278, 667, 556, 1015, 556, 556}));
    EXPECT_EQ(fonts.Face("Arial", Bold).Widths1000()['A'], 722);
    EXPECT_EQ(fonts.Face("Times New Roman").Widths1000()['a'], 444);

    const FontFace& courier = fonts.Face("Courier New");
    const std::array<int, 256> mono = courier.Widths1000();
    for (int code = 32; code < 256; ++code)
        EXPECT_TRUE(!courier.HasGlyph(static_cast<std::uint8_t>(code)) || mono[code] == 600) << code;
    EXPECT_TRUE(courier.Outline().FixedPitch);
    EXPECT_EQ(courier.Outline().Flags & 1, 1);
}

TEST(FontMeasurement, TextMetricsFollowTheWindowsRules) {
    FontService fonts;
    const FontFace& arial = fonts.Face("Arial");
    const platform::TextMetrics m = arial.Metrics(FontFace::EmPixels(12, 300));
    // Ascent 905/1000 em, descent 212/1000 em.
    EXPECT_EQ((std::array{m.EmPixels, m.Ascent, m.Descent, m.Height, m.InternalLeading}),
              (std::array{50, 45, 11, 56, 6}));
    EXPECT_TRUE(m.ExternalLeading >= 0 && m.UnderlinePosition > 0 && m.UnderlineThickness > 0 &&
                m.StrikeOutPosition > m.UnderlineThickness && m.StrikeOutPosition < m.Ascent);

    // A positive (cell) height: the em that makes ascent + descent that tall.
    const double em = arial.EmPixelsForCellHeight(50);
    EXPECT_LT(em, 50);
    EXPECT_NEAR(arial.Metrics(em).Height, 50, 1);
}

TEST(FontOutline, DescriptorValuesAndProgramForPdf) {
    FontService fonts;
    const platform::OutlineMetrics& arial = fonts.Face("Arial").Outline();
    // Flags 32: nonsymbolic, proportional, sans serif, upright.
    EXPECT_EQ((std::array{arial.Ascent, arial.Descent, arial.FirstChar, arial.LastChar, arial.Flags}),
              (std::array{905, 212, 32, 255, 32}));
    EXPECT_TRUE(arial.BBoxLeft < 0 && arial.BBoxBottom < 0 && arial.BBoxTop > arial.Ascent - 100);
    EXPECT_TRUE(arial.CapHeight > 600 && arial.CapHeight < arial.Ascent) << arial.CapHeight;
    EXPECT_EQ(arial.ItalicAngle, 0.0);
    EXPECT_TRUE(arial.Embeddable && (arial.LicenceFlags & 1u) == 0);

    const platform::OutlineMetrics& italic = fonts.Face("Times New Roman", BoldItalic).Outline();
    EXPECT_LT(italic.ItalicAngle, 0.0);
    EXPECT_EQ(italic.ItalicAngleTenths, static_cast<int>(std::lround(italic.ItalicAngle * 10)));
    EXPECT_EQ(italic.Flags & (2 | 64), 2 | 64) << "serif and italic";
    EXPECT_GT(italic.StemV, arial.StemV) << "bold stems are thicker";

    // The font program is the whole file.
    const std::vector<std::uint8_t> program = fonts.Face("Arial").FontProgram();
    ASSERT_EQ(program.size(), std::filesystem::file_size(fonts.Face("Arial").Match().File));
    EXPECT_EQ(std::string(program.begin(), program.begin() + 4), std::string("\0\1\0\0", 4)) << "TrueType";
}

TEST(Windows1252, MapsTheHighControlRangeBothWays) {
    using cp = platform::Windows1252;
    EXPECT_EQ(
        (std::array{cp::ToUnicode(0x80), cp::ToUnicode(0x9F), cp::ToUnicode(0x81), cp::ToUnicode(0xE9)}),
        (std::array{U'\u20AC', U'\u0178', U'\u0081', U'\u00E9'}));
    for (int code = 0; code < 256; ++code)
        EXPECT_EQ(cp::FromUnicode(cp::ToUnicode(static_cast<std::uint8_t>(code))), code);
    EXPECT_EQ(cp::FromUnicode(U'\u2620'), -1);
}
