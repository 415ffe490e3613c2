#include "platform/FontService.h"

#include "platform/Windows1252.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

using platform::FontFace;
using platform::FontMatchKind;
using platform::FontService;
using platform::FontStyle;

namespace {

constexpr FontStyle Regular{};
constexpr FontStyle Bold{true, false};
constexpr FontStyle Italic{false, true};
constexpr FontStyle BoldItalic{true, true};

} // namespace

TEST(FontResolution, WindowsFamiliesResolveToTheirMetricCompatibleFaces) {
    FontService fonts;
    struct Case {
        const char* Name;
        const char* Family;
    };
    const Case cases[] = {{"Arial", "Liberation Sans"},
                          {"Arial Narrow", "Liberation Sans Narrow"},
                          {"Courier New", "Liberation Mono"},
                          {"Times New Roman", "Liberation Serif"}};
    for (const Case& c : cases) {
        const platform::FontMatch& match = fonts.Resolve(c.Name);
        EXPECT_EQ(match.Family, c.Family) << c.Name;
        EXPECT_EQ(match.Kind, FontMatchKind::MetricAlias) << c.Name;
        EXPECT_TRUE(match.IsInstalled()) << c.Name;
        EXPECT_TRUE(match.IsTrueType) << c.Name;
        EXPECT_TRUE(fonts.IsTrueTypeFace(c.Name)) << c.Name;
    }
    EXPECT_EQ(fonts.Resolve("Liberation Sans").Kind, FontMatchKind::Exact);
    EXPECT_EQ(fonts.Resolve("liberationsans").Kind, FontMatchKind::Exact) << "case and blanks do not matter";
}

TEST(FontResolution, UnknownFamilyIsASubstituteAndNotTrueType) {
    FontService fonts;
    const platform::FontMatch& match = fonts.Resolve("Velmora Imaginary Grotesk");
    EXPECT_EQ(match.Kind, FontMatchKind::Substitute);
    EXPECT_FALSE(match.IsInstalled());
    EXPECT_FALSE(match.File.empty()) << "a substitute still measures text";
    EXPECT_FALSE(fonts.IsTrueTypeFace("Velmora Imaginary Grotesk"));

    // Names from a damaged page stream: still a face to measure with, never installed.
    for (const std::string& odd :
         {std::string(), std::string("\xff\xfe\x01"), std::string(5000, 'q'), std::string(",Bold")}) {
        EXPECT_EQ(fonts.Resolve(odd).Kind, FontMatchKind::Substitute) << odd.size();
        EXPECT_GT(fonts.Face(odd).TextWidth("x", 10), 0.0);
    }
}

TEST(FontResolution, StylesAndPdfBaseFontNames) {
    FontService fonts;
    const platform::FontMatch& bold = fonts.Resolve("Arial", Bold);
    EXPECT_TRUE(bold.Bold);
    EXPECT_FALSE(bold.Italic);
    const platform::FontMatch& italic = fonts.Resolve("Times New Roman", Italic);
    EXPECT_TRUE(italic.Italic);
    EXPECT_FALSE(italic.Bold);

    const platform::FontMatch& narrowBold = fonts.Resolve("ArialNarrow,Bold");
    EXPECT_EQ(narrowBold.Family, "Liberation Sans Narrow");
    EXPECT_TRUE(narrowBold.Bold);
    EXPECT_EQ(&fonts.Face("ArialNarrow,Bold"), &fonts.Face("arial narrow", Bold)) << "one cached face";
    EXPECT_TRUE(fonts.IsTrueTypeFace("ArialNarrow,BoldItalic"));

    FontStyle style;
    EXPECT_EQ(FontService::SplitStyleSuffix("Verdana,BoldItalic", style), "Verdana");
    EXPECT_TRUE(style.Bold && style.Italic);
    FontStyle untouched;
    EXPECT_EQ(FontService::SplitStyleSuffix("Odd,Name", untouched), "Odd,Name");
    EXPECT_FALSE(untouched.Bold || untouched.Italic);
}

TEST(FontMeasurement, TextWidthIsPlausibleAndScalesWithResolution) {
    FontService fonts;
    const FontFace& arial = fonts.Face("Arial");
    const double at300 = arial.TextWidth("Sudoku", FontFace::EmPixels(12, 300));
    // "Sudoku" in 12-point Arial is a little over half an inch.
    EXPECT_GT(at300, 0.5 * 300);
    EXPECT_LT(at300, 0.65 * 300);
    const double at1248 = arial.TextWidth("Sudoku", FontFace::EmPixels(12, 1248));
    EXPECT_NEAR(at1248, at300 * 1248.0 / 300.0, 1e-9);
    EXPECT_NEAR(arial.TextWidth("SudokuSudoku", 50), 2 * arial.TextWidth("Sudoku", 50), 1e-9);
    EXPECT_EQ(arial.TextWidth("", 50), 0.0);

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
    EXPECT_EQ(arial[' '], 278);
    EXPECT_EQ(arial['A'], 667);
    EXPECT_EQ(arial['a'], 556);
    EXPECT_EQ(arial['@'], 1015);
    EXPECT_EQ(arial[0x80], 556) << "the euro sign through Windows-1252";
    EXPECT_EQ(arial[0x96], 556) << "en dash through Windows-1252";
    EXPECT_EQ(fonts.Face("Arial", Bold).Widths1000()['A'], 722);
    EXPECT_EQ(fonts.Face("Times New Roman").Widths1000()['a'], 444);

    const FontFace& courier = fonts.Face("Courier New");
    const std::array<int, 256> mono = courier.Widths1000();
    for (int code = 32; code < 256; ++code)
        if (courier.HasGlyph(static_cast<std::uint8_t>(code))) {
            EXPECT_EQ(mono[code], 600) << "code " << code;
        }
    EXPECT_TRUE(courier.Outline().FixedPitch);
    EXPECT_EQ(courier.Outline().Flags & 1, 1);
}

TEST(FontMeasurement, TextMetricsFollowTheWindowsRules) {
    FontService fonts;
    const FontFace& arial = fonts.Face("Arial");
    const platform::TextMetrics m = arial.Metrics(FontFace::EmPixels(12, 300));
    EXPECT_EQ(m.EmPixels, 50);
    EXPECT_EQ(m.Ascent, 45) << "905/1000 em";
    EXPECT_EQ(m.Descent, 11) << "212/1000 em";
    EXPECT_EQ(m.Height, 56);
    EXPECT_EQ(m.InternalLeading, 6);
    EXPECT_GE(m.ExternalLeading, 0);
    EXPECT_GT(m.UnderlinePosition, 0);
    EXPECT_GT(m.UnderlineThickness, 0);
    EXPECT_GT(m.StrikeOutPosition, m.UnderlineThickness);
    EXPECT_LT(m.StrikeOutPosition, m.Ascent);

    // A positive (cell) height: the em that makes ascent + descent that tall.
    const double em = arial.EmPixelsForCellHeight(50);
    EXPECT_LT(em, 50);
    EXPECT_NEAR(arial.Metrics(em).Height, 50, 1);
}

TEST(FontOutline, DescriptorValuesForPdf) {
    FontService fonts;
    const platform::OutlineMetrics& arial = fonts.Face("Arial").Outline();
    EXPECT_EQ(arial.Ascent, 905);
    EXPECT_EQ(arial.Descent, 212);
    EXPECT_EQ(arial.FirstChar, 32);
    EXPECT_EQ(arial.LastChar, 255);
    EXPECT_LT(arial.BBoxLeft, 0);
    EXPECT_LT(arial.BBoxBottom, 0);
    EXPECT_GT(arial.BBoxTop, arial.Ascent - 100);
    EXPECT_GT(arial.CapHeight, 600);
    EXPECT_LT(arial.CapHeight, arial.Ascent);
    EXPECT_EQ(arial.Flags, 32) << "nonsymbolic, proportional, sans serif, upright";
    EXPECT_EQ(arial.ItalicAngle, 0.0);
    EXPECT_TRUE(arial.Embeddable);
    EXPECT_EQ(arial.LicenceFlags & 1u, 0u);

    const platform::OutlineMetrics& italic = fonts.Face("Times New Roman", BoldItalic).Outline();
    EXPECT_LT(italic.ItalicAngle, 0.0);
    EXPECT_EQ(italic.ItalicAngleTenths, static_cast<int>(std::lround(italic.ItalicAngle * 10)));
    EXPECT_EQ(italic.Flags & (2 | 64), 2 | 64) << "serif and italic";
    EXPECT_GT(italic.StemV, arial.StemV) << "bold stems are thicker";
}

TEST(FontOutline, FontProgramIsTheWholeFile) {
    FontService fonts;
    const FontFace& arial = fonts.Face("Arial");
    const std::vector<std::uint8_t> program = arial.FontProgram();
    ASSERT_EQ(program.size(), std::filesystem::file_size(arial.Match().File));
    ASSERT_GE(program.size(), 4u);
    EXPECT_EQ((std::vector<std::uint8_t>(program.begin(), program.begin() + 4)),
              (std::vector<std::uint8_t>{0, 1, 0, 0}))
        << "TrueType sfnt version";
}

TEST(Windows1252, MapsTheHighControlRangeBothWays) {
    EXPECT_EQ(platform::Windows1252::ToUnicode(0x80), U'\u20AC');
    EXPECT_EQ(platform::Windows1252::ToUnicode(0x9F), U'\u0178');
    EXPECT_EQ(platform::Windows1252::ToUnicode(0x81), U'\u0081');
    EXPECT_EQ(platform::Windows1252::ToUnicode(0xE9), U'\u00E9');
    for (int code = 0; code < 256; ++code)
        EXPECT_EQ(platform::Windows1252::FromUnicode(
                      platform::Windows1252::ToUnicode(static_cast<std::uint8_t>(code))),
                  code);
    EXPECT_EQ(platform::Windows1252::FromUnicode(U'\u2620'), -1);
}
