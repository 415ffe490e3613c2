// Page content operators: the transform, the graphics-state cache, shapes and text.
#include "PdfTestSupport.h"
#include "pdf/PdfFormat.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace pdf;
using pdftest::ContentLines;
using pdftest::Count;
using pdftest::TestRenderer;
using Lines = std::vector<std::string>;

namespace {

// A renderer on a letter page with a solid black pen 1/72 inch wide and a white brush.
struct ContentTest : ::testing::Test {
    TestRenderer t;
    void SetUp() override {
        t.Begin();
        t.Render.SetPenWidth(1.0 / 72);
    }
    Lines Content() const { return ContentLines(t.Content()); }
    void SelectFont(const std::string& face, double size, bool underline = false, bool strike = false,
                    uint16_t rotation = 0) {
        TReportFont font;
        font.Name = face;
        font.Size = size;
        font.Underline = underline;
        font.StrikeOut = strike;
        font.Rotation = rotation;
        t.Render.FontChanged(font);
    }
};

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// Checks that q/Q and BT/ET are balanced and never cross.
void ExpectBalanced(const std::string& content) {
    int q = 0;
    int bt = 0;
    for (const std::string& raw : pdftest::Lines(content)) {
        std::string line = raw;
        while (!line.empty() && line.front() == ' ')
            line.erase(0, 1);
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        if (line == "q") ++q;
        if (line == "Q") --q;
        if (line == "BT") ++bt;
        if (line == "ET") --bt;
        ASSERT_GE(q, 0) << "Q without q";
        ASSERT_GE(bt, 0) << "ET without BT";
        ASSERT_LE(bt, 1) << "nested BT";
    }
    EXPECT_EQ(q, 0);
    EXPECT_EQ(bt, 0);
}

} // namespace

TEST_F(ContentTest, EmptyPageHoldsOnlyTheLineCap) {
    EXPECT_EQ(t.Content(), "2 J\r\n");
}

TEST_F(ContentTest, FirstLineWritesTheWholeStateThenThePath) {
    t.Render.RenderMoveTo(1, 1);
    t.Render.RenderLineTo(2, 1);
    EXPECT_EQ(Content(), (Lines{"[] 0 d", "0 0 0 RG", "1 1 1 rg", "1.0000 w ", "72.0000 720.0000 m",
                                "144.0000 720.0000 l S"}));
    // The brush was only hidden for the line.
    EXPECT_EQ(t.Render.Brush.Style, bsSolid);
}

TEST_F(ContentTest, UnchangedStateIsWrittenOnce) {
    t.Render.RenderRectangle(1, 1, 2, 3);
    t.Render.RenderRectangle(3, 1, 4, 2);
    EXPECT_EQ(Content(),
              (Lines{"[] 0 d", "0 0 0 RG", "1 1 1 rg", "1.0000 w ", "72.0000 720.0000 72.0000 -144.0000 re b",
                     "216.0000 720.0000 72.0000 -72.0000 re b"}));
}

TEST_F(ContentTest, EachChangedStateIsWrittenAgain) {
    t.Render.RenderRectangle(1, 1, 2, 2);
    t.Render.Pen.Color = 0x0000FF;
    t.Render.Pen.Style = psDash;
    t.Render.Brush.Color = 0xC0C0C0;
    t.Render.SetPenWidth(0.5 / 72);
    t.Render.RenderRectangle(1, 1, 2, 2);
    const Lines lines = Content();
    const Lines second(lines.begin() + 5, lines.end());
    EXPECT_EQ(second, (Lines{"[13 6] 0 d", "1 0 0 RG", "0.753 0.753 0.753 rg", "0.5000 w ",
                             "72.0000 720.0000 72.0000 -72.0000 re b"}));
}

TEST_F(ContentTest, DashPatternsFollowThePenStyle) {
    const std::pair<uint8_t, const char*> styles[] = {
        {psDot, "[2] 0 d"},        {psDashDot, "[8 4 1 4] 0 d"}, {psDashDotDot, "[10 3 2 2 2 3] 0 d"},
        {psInsideFrame, "[] 0 d"}, {psDash, "[13 6] 0 d"},       {psSolid, "[] 0 d"}};
    t.Render.RenderMoveTo(1, 1);
    for (const auto& [style, line] : styles) {
        t.Render.Pen.Style = style;
        t.Render.RenderMoveTo(1, 1);
        EXPECT_EQ(Content()[Content().size() - 2], line);
    }
}

TEST_F(ContentTest, RectangleWithPenAndBrushClearWritesNothing) {
    t.Render.Pen.Style = psClear;
    t.Render.Brush.Style = bsClear;
    t.Render.RenderRectangle(1, 1, 2, 2);
    EXPECT_EQ(t.Content(), "2 J\r\n");
}

TEST_F(ContentTest, PaintOperatorFollowsWhatIsVisible) {
    t.Render.RenderRectangle(1, 1, 2, 2);
    t.Render.Pen.Style = psClear;
    t.Render.RenderRectangle(1, 1, 2, 2);
    t.Render.Pen.Style = psSolid;
    t.Render.Brush.Style = bsClear;
    t.Render.RenderRectangle(1, 1, 2, 2);
    const Lines lines = Content();
    EXPECT_EQ(lines[4], "72.0000 720.0000 72.0000 -72.0000 re b");
    EXPECT_EQ(lines[6], "72.0000 720.0000 72.0000 -72.0000 re f");
    EXPECT_EQ(lines[8], "72.0000 720.0000 72.0000 -72.0000 re S");
}

TEST_F(ContentTest, ClearPenStillSetsTheDashButLineGetsNoPaint) {
    t.Render.Pen.Style = psClear;
    t.Render.RenderMoveTo(1, 1);
    t.Render.RenderLineTo(2, 2);
    const Lines lines = Content();
    EXPECT_EQ(lines.front(), "[] 0 d");
    EXPECT_TRUE(EndsWith(t.Content(), "\r\n144.0000 648.0000 l ")) << t.Content();
}

TEST_F(ContentTest, FillRectUsesDeviceUnitsAndHidesThePen) {
    t.Render.RenderFillRect(TRect{72, 72, 144, 216});
    EXPECT_EQ(Content().back(), "72.0000 720.0000 72.0000 -144.0000 re f");
    EXPECT_EQ(t.Render.Pen.Style, psSolid);
}

TEST_F(ContentTest, PolygonIsOneLineAndPolylineBreaksEveryFourthPoint) {
    const std::vector<TPoint> triangle = {{1248, 1248}, {2496, 1248}, {1248, 2496}};
    t.Render.RenderMoveTo(1, 1);
    t.Render.RenderPolygon(triangle, 2);
    EXPECT_EQ(Content().back(), "72.0000 720.0000 l 144.0000 720.0000 l 72.0000 648.0000 l b");

    TestRenderer u;
    u.Begin();
    std::vector<TPoint> points;
    for (int i = 0; i < 5; ++i)
        points.push_back(TPoint{1248 * (i + 1), 1248});
    u.Render.RenderPolyline(points, 4);
    const Lines lines = ContentLines(u.Content());
    EXPECT_EQ(lines[lines.size() - 2],
              "72.0000 720.0000 l 144.0000 720.0000 l 216.0000 720.0000 l 288.0000 720.0000 l ");
    EXPECT_EQ(lines.back(), "360.0000 720.0000 l S");
    EXPECT_EQ(u.Render.Brush.Style, bsSolid);
}

TEST_F(ContentTest, EllipseIsFourCurvesInsetByHalfThePen) {
    t.Render.SetPenWidth(0);
    t.Render.RenderEllipse(1, 1, 3, 2);
    const Lines lines = Content();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[4], "144.0000 720.0000 m");
    EXPECT_EQ(Count(t.Content(), " c\r\n"), 4u);
    EXPECT_EQ(lines[9], "b");
    // Second curve ends at the bottom centre, the last one back at the top centre.
    EXPECT_TRUE(EndsWith(lines[6], " 144.0000 648.0000 c")) << lines[6];
    EXPECT_TRUE(EndsWith(lines[8], " 144.0000 720.0000 c")) << lines[8];

    TestRenderer u;
    u.Begin();
    u.Render.SetPenWidth(0.2);
    u.Render.RenderEllipse(1, 1, 3, 2);
    EXPECT_EQ(ContentLines(u.Content())[4], "144.0000 712.8000 m"); // top inset by 0.1 inch
    u.Render.SetRenderOption(1);
    u.Render.RenderEllipse(1, 1, 3, 2);
    EXPECT_NE(u.Content().find("144.0000 720.0000 m"), std::string::npos);
}

TEST_F(ContentTest, RoundRectangleAlternatesLinesAndCorners) {
    t.Render.SetRenderOption(1);
    t.Render.RenderRoundRect(1, 1, 3, 2, 0.5, 0.5);
    const std::string& c = t.Content();
    EXPECT_EQ(Count(c, " c\r\n"), 4u);
    EXPECT_EQ(Count(c, " l "), 4u);
    EXPECT_NE(c.find("90.0000 720.0000 m"), std::string::npos);
    EXPECT_NE(c.find("198.0000 720.0000 l "), std::string::npos);
    EXPECT_EQ(ContentLines(c).back(), "b");
}

TEST_F(ContentTest, ArcSegmentCountFollowsTheSweep) {
    struct Case {
        double x4, y4;
        size_t curves;
    };
    // Start point right of the centre; end points at 45, 135, 180, 225 and 315 degrees.
    const Case cases[] = {{2, 0, 1}, {0, 0, 2}, {-1, 1, 2}, {0, 2, 3}, {2, 2, 4}};
    for (const Case& c : cases) {
        TestRenderer u;
        u.Begin();
        u.Render.RenderArc(0, 0, 2, 2, 3, 1, c.x4, c.y4);
        EXPECT_EQ(Count(u.Content(), " c\r\n"), c.curves) << c.x4 << "," << c.y4;
        const Lines lines = ContentLines(u.Content());
        EXPECT_EQ(lines[4], "% arc code");
        EXPECT_EQ(lines.back(), "S");
    }
}

TEST_F(ContentTest, QuarterArcEndsOnTheCircle) {
    t.Render.RenderArc(0, 0, 2, 2, 3, 1, 1, 0);
    const Lines lines = Content();
    ASSERT_EQ(lines.size(), 8u);
    // Between (2, 1) and (1, 0) inches: the right and the top of the circle.
    EXPECT_EQ(lines[5], "72.0000 792.0000 m");
    EXPECT_TRUE(EndsWith(lines[6], " 144.0000 720.0000 c")) << lines[6];
}

TEST_F(ContentTest, ArcWithEqualAnglesWritesNoPath) {
    t.Render.RenderArc(0, 0, 2, 2, 3, 1, 4, 1);
    EXPECT_EQ(Content(), (Lines{"[] 0 d", "0 0 0 RG", "1 1 1 rg", "1.0000 w ", "% arc code", "S"}));
    EXPECT_EQ(t.Render.Brush.Style, bsSolid);
}

TEST_F(ContentTest, ChordClosesWithPaintAndPieReturnsToTheCentre) {
    t.Render.RenderChord(0, 0, 2, 2, 3, 1, 1, 0);
    EXPECT_EQ(Content().back(), "b");
    TestRenderer u;
    u.Begin();
    u.Render.RenderPie(0, 0, 2, 2, 3, 1, 1, 0);
    EXPECT_EQ(ContentLines(u.Content()).back(), "72.0000 720.0000 l b");
}

TEST_F(ContentTest, TextIsOffsetByTheFontAndEscaped) {
    SelectFont("Arial", 12);
    t.Render.RenderLeftText("(x)", 1, 1);
    EXPECT_EQ(Content(),
              (Lines{"BT", "0 0 0 rg", "/F1 0012 Tf", "68.7000 720.0000 Td", "( \\(x\\) ) Tj", "ET"}));
    SelectFont("Courier New", 12);
    t.Render.RenderLeftText("x", 1, 1);
    EXPECT_EQ(Content()[7], "/F2 0012 Tf");
    EXPECT_EQ(Content()[8], "64.2000 720.0000 Td"); // the text colour is already set
    SelectFont("Arial", 9);
    t.Render.RenderLeftText("x", 1, 1);
    EXPECT_EQ(Content()[12], "/F1 0009 Tf");
    ExpectBalanced(t.Content());
}

TEST_F(ContentTest, TextColourAndShapeColoursInvalidateEachOther) {
    SelectFont("Arial", 12);
    t.Render.RenderRectangle(1, 1, 2, 2);
    t.Render.RenderLeftText("a", 1, 1);
    t.Render.RenderRectangle(1, 1, 2, 2);
    t.Render.RenderLeftText("a", 1, 1);
    EXPECT_EQ(Count(t.Content(), "0 0 0 RG"), 2u);
    EXPECT_EQ(Count(t.Content(), "1 1 1 rg"), 2u);
    EXPECT_EQ(Count(t.Content(), "0 0 0 rg"), 2u);
}

TEST_F(ContentTest, CentredAndRightTextShiftBackByTheirWidth) {
    SelectFont("Arial", 10);
    // "AB" in Helvetica at 10 points is 1334/1000 * 10 / 72 inch wide.
    const double width = 1334 / 1000.0 * 10 / 72;
    EXPECT_DOUBLE_EQ(TRenderPDF::TextWidth(*t.Render.CurrentFont, "AB", 10), width);
    t.Render.RenderRightText("AB", 3, 1);
    t.Render.RenderCenterText("AB", 3, 1);
    const double offset = 10 * 0.275 / 72;
    const Lines lines = Content();
    EXPECT_EQ(lines[3], FormatFixed4((3 - width - offset) * 72) + " 720.0000 Td");
    EXPECT_EQ(lines[8], FormatFixed4((3 - width / 2 - offset) * 72) + " 720.0000 Td");
}

TEST_F(ContentTest, UnderlineAndStrikeOutDrawLinesWithThePen) {
    SelectFont("Arial", 12, true, true);
    t.Render.RenderLeftText("AB", 1, 1);
    const Lines lines = Content();
    const double end = (1 + TRenderPDF::TextWidth(*t.Render.CurrentFont, "AB", 12)) * 72;
    const double under = 13 * 0.0014;
    const double strike = 13 * 0.0006;
    const Lines expected = {"[] 0 d",
                            "0 0 0 RG",
                            "1 1 1 rg",
                            FormatFixed4(under * 72) + " w ",
                            "72.0000 " + FormatFixed4((11 - 1 - 1.5 * under) * 72) + " m",
                            FormatFixed4(end) + " " + FormatFixed4((11 - 1 - 1.5 * under) * 72) + " l b",
                            FormatFixed4(strike * 72) + " w ",
                            "72.0000 " + FormatFixed4((11 - 1 + 12 / 72.0 * 0.22) * 72) + " m",
                            FormatFixed4(end) + " " + FormatFixed4((11 - 1 + 12 / 72.0 * 0.22) * 72) +
                                " l b"};
    EXPECT_EQ(Lines(lines.begin() + 6, lines.end()), expected);
    EXPECT_DOUBLE_EQ(t.Render.PenWidth(), 1.0 / 72); // put back
}

TEST_F(ContentTest, RotatedTextGetsAMatrixAndNoDecoration) {
    SelectFont("Arial", 12, true, true, 90);
    t.Render.RenderLeftText("A", 1, 1);
    const Lines lines = Content();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[4], "0.0000 1.0000 -1.0000 0.0000 72.0000 720.0000 Tm");
    EXPECT_EQ(lines[6], "ET");
}

TEST_F(ContentTest, ClippedTextSavesAndRestoresTheState) {
    SelectFont("Arial", 12);
    t.Render.RenderTextRect(TRect{72, 72, 144, 144}, "clip", 1, 1.5);
    const Lines lines = Content();
    EXPECT_EQ(lines.front(), " q ");
    EXPECT_EQ(lines[4], "0.0000 w ");
    EXPECT_EQ(lines[5], "72.0000 720.0000 72.0000 -72.0000 re W ");
    EXPECT_EQ(lines[6], "b");
    EXPECT_EQ(lines.back(), " Q ");
    EXPECT_DOUBLE_EQ(t.Render.PenWidth(), 0);
    ExpectBalanced(t.Content());
}

TEST_F(ContentTest, AShapeOfEveryKindMakesAValidFile) {
    SelectFont("Times New Roman", 14, true);
    t.Render.RenderLeftText("Every shape", 0.5, 0.5);
    t.Render.RenderRectangle(0.5, 1, 2, 2);
    t.Render.RenderRoundRect(2.5, 1, 4, 2, 0.3, 0.3);
    t.Render.RenderEllipse(4.5, 1, 6, 2);
    t.Render.RenderArc(0.5, 3, 2, 4.5, 2, 3.75, 1.25, 3);
    t.Render.RenderChord(2.5, 3, 4, 4.5, 4, 3.75, 3.25, 3);
    t.Render.RenderPie(4.5, 3, 6, 4.5, 6, 3.75, 5.25, 3);
    t.Render.RenderMoveTo(1, 5); // as the reader does before every polygon
    t.Render.RenderPolygon({{1248, 6240}, {2496, 6240}, {1872, 7488}}, 2);
    t.Render.RenderTextRect(TRect{36, 600, 300, 650}, "clipped", 0.5, 8.8);
    t.Render.RenderCenterText("centred", 4.25, 10);
    ExpectBalanced(t.Content());
    const std::string file = t.Finish();
    EXPECT_TRUE(pdftest::MatchesGolden("every-shape", file));
    const auto check = pdftest::ReadersCheck(file);
    EXPECT_EQ(check.Status, 0) << check.Output;
    const std::string path = pdftest::WriteTempFile(file);
    const auto text = pdftest::RunTool("pdftotext '" + path + "' -");
    EXPECT_NE(text.Output.find("Every shape"), std::string::npos) << text.Output;
    EXPECT_NE(text.Output.find("centred"), std::string::npos);
    std::remove(path.c_str());
}
