// Page content: every shape, text and image operator on two pages, compared whole with a stored file.
// Its pictures are JPEG images of the quality set.
#include "PdfTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace pdf;
using pdftest::TestRenderer;

namespace {

// Checks that q/Q and BT/ET are balanced and never cross; no PDF reader reports this.
void ExpectBalanced(const std::string& content) {
    int q = 0, bt = 0;
    std::istringstream words(content);
    for (std::string word; words >> word;) {
        q += (word == "q") - (word == "Q");
        bt += (word == "BT") - (word == "ET");
        ASSERT_TRUE(q >= 0 && (bt == 0 || bt == 1)) << "Q without q, ET without BT, or nested BT";
    }
    EXPECT_TRUE(q == 0 && bt == 0) << "q or BT left open";
}

// Pen, brush, dash patterns, paint operators and the paths of every shape.
void DrawShapes(TRenderPDF& r) {
    r.RenderLeftText("Before any font: (text) \\ slash", 0.5, 0.6);
    r.SetPenWidth(1.0 / 72);
    r.RenderMoveTo(0.5, 1); // the first shape writes the whole state; a line hides the brush
    r.RenderLineTo(1.5, 1);
    r.RenderRectangle(2, 1, 3, 1.5); // the state is unchanged and written once
    r.RenderRectangle(3.5, 1, 4.5, 1.5);
    r.Pen.Color = 0x0000FF;
    r.Pen.Style = psDash;
    r.Brush.Color = 0xC0C0C0;
    r.SetPenWidth(0.5 / 72);
    r.RenderRectangle(5, 1, 6, 1.5); // each changed state is written again
    double y = 1.8;
    for (uint8_t style : {psDot, psDashDot, psDashDotDot, psInsideFrame, psDash, psSolid}) {
        r.Pen.Style = style;
        r.RenderMoveTo(0.5, y);
        r.RenderLineTo(4, y);
        y += 0.15;
    }
    r.Pen.Style = psClear;
    r.Brush.Style = bsClear;
    r.RenderRectangle(0.5, 3, 1.5, 3.8); // nothing to paint, nothing written
    r.Brush.Style = bsSolid;
    r.RenderRectangle(2, 3, 3, 3.8); // fill only
    r.RenderMoveTo(5, 3);            // a clear pen sets the dash but paints no line
    r.RenderLineTo(6, 3.8);
    r.Pen.Style = psSolid;
    r.Brush.Style = bsClear;
    r.RenderRectangle(3.5, 3, 4.5, 3.8); // stroke only
    r.Brush.Style = bsSolid;
    r.RenderFillRect(TRect{468, 216, 540, 274}); // device units; the pen is hidden only for it
    r.RenderRectangle(7.6, 3, 8, 3.8);
    r.RenderMoveTo(0.5, 4.2); // the reader moves to the first point of a polygon or polyline
    r.RenderPolygon({{624, 5242}, {1872, 5242}, {1248, 6490}}, 2);
    r.RenderMoveTo(2, 4.2);
    r.RenderPolyline({{2496, 5242}, {3120, 6490}, {3744, 5242}, {4368, 6490}, {4992, 5242}}, 4);
    r.RenderRectangle(4.5, 4.2, 5, 5.2); // the brush is back after the polyline
    r.SetPenWidth(0);
    r.RenderEllipse(0.5, 5.5, 2, 6.5);
    r.SetPenWidth(0.1);
    r.RenderEllipse(2.5, 5.5, 4, 6.5); // inset by half the pen
    r.SetRenderOption(2);
    r.RenderEllipse(4.5, 5.5, 6, 6.5); // outset by half the pen
    r.SetRenderOption(1);
    r.RenderEllipse(6.3, 5.5, 7.8, 6.5); // on the line
    r.SetPenWidth(1.0 / 72);
    r.RenderRoundRect(5.5, 4.2, 7.8, 5.2, 0.5, 0.5);
    r.SetRenderOption(0);
    // Start right of the centre; ends at 45, 135, 180, 225 and 315 degrees, then a quarter.
    const double ends[][2] = {{1, 0}, {0, 0}, {-0.5, 0.5}, {0, 1}, {1, 1}, {0.5, 0}};
    double x = 0.5;
    for (const auto& end : ends) {
        r.RenderArc(x, 7, x + 1, 8, x + 1.5, 7.5, x + end[0], 7 + end[1]);
        x += 1.2;
    }
    r.RenderArc(0.5, 8.3, 1.5, 9.3, 2, 8.8, 3, 8.8); // equal angles: no path
    r.RenderChord(2, 8.3, 3, 9.3, 3.5, 8.8, 2.5, 8.3);
    r.RenderPie(3.5, 8.3, 4.5, 9.3, 5, 8.8, 4, 8.3);
    r.RenderBitmapRect(pdftest::SolidBitmap(8, 8, 0, 0, 255), 5.5, 8.3, 6,
                       8.8); // every page lists all images
    r.Pen.Color = 0x000080;  // the next page starts with these colours
    r.Brush.Color = 0xE0FFE0;
}

// Fonts, text colours, alignment, decoration, rotation, and images; on a landscape page.
void DrawTextAndImages(TRenderPDF& r) {
    r.RenderMoveTo(0.5, 0.5); // the page writes its state from scratch with the inherited colours
    r.RenderLineTo(10.5, 0.5);
    r.FontChanged({.Name = "Arial", .Size = 12});
    r.RenderLeftText("Arial (x) back\\slash", 0.5, 1.2);
    r.FontChanged({.Name = "Courier New", .Size = 12});
    r.RenderLeftText("Courier, the text colour already set", 0.5, 1.6);
    r.FontChanged({.Name = "Arial", .Size = 9.4, .Color = 0xFF0000});
    r.RenderLeftText("Arial at 9 points in blue", 0.5, 2.0);
    r.FontChanged({.Name = "Arial", .Size = 12});
    r.RenderRectangle(4, 1, 5, 1.5); // text and shape colours invalidate each other
    r.RenderLeftText("a", 4, 1.8);
    r.RenderRectangle(5.5, 1, 6.5, 1.5);
    r.RenderLeftText("a", 5.5, 1.8);
    r.FontChanged({.Name = "Arial", .Size = 10});
    r.RenderMoveTo(3, 2.3);
    r.RenderLineTo(3, 3.1);
    r.RenderRightText("Right AB", 3, 2.6);
    r.RenderCenterText("Centred AB", 3, 3);
    r.FontChanged({.Name = "Times New Roman", .Size = 14, .Underline = true, .StrikeOut = true});
    r.RenderLeftText("Underlined and struck", 0.5, 3.6);
    r.RenderMoveTo(0.5, 4); // the pen width is back
    r.RenderLineTo(3, 4);
    r.FontChanged({.Name = "Arial", .Size = 12, .Underline = true, .StrikeOut = true, .Rotation = 90});
    r.RenderLeftText("Up, undecorated", 8, 4);
    r.RenderRightText("Right, up", 9, 4);
    r.RenderBitmap(pdftest::SolidBitmap(100, 50, 200, 30, 30), 0.5, 5, 1, 1);
    r.RenderBitmapRect(pdftest::SolidBitmap(8, 8, 0, 0, 255), 2.5, 5, 3, 5.5); // drawn again: one image
    r.RenderBitmap(pdftest::SolidBitmap(8, 8, 0, 0, 255), 2.5, 6, 1, 1);
    r.RenderDraw(pdftest::SolidBitmap(36, 18, 0, 0, 0), 3.5, 5);
    // Sampled at the metafile resolution, but no finer than the picture itself.
    r.RenderStretchDraw(TRect{360, 360, 504, 432}, pdftest::SolidBitmap(700, 400, 0, 128, 0));
    r.RenderStretchDraw(TRect{648, 432, 720, 504}, pdftest::SolidBitmap(10, 10, 0, 128, 0));
    r.FontChanged({.Name = "Arial", .Size = 12});
    r.RenderTextRect(TRect{540, 360, 612, 396}, "text clipped to its box", 7.6, 5.4);
}

} // namespace

TEST(PdfContent, EveryOperatorMatchesTheStoredFile) {
    TestRenderer t;
    t.Render.ImageQuality = 50;
    t.Render.DocInfo = TPDFDocInfo{"a(b)c\\d", "Velmora UK Limited", "", "keys", "", "maker"};
    t.Begin();
    DrawShapes(t.Render);
    ExpectBalanced(t.Content());
    t.Render.PageEnd();
    t.Render.SetPageSize(11, 8.5);
    t.Render.PageBegin();
    DrawTextAndImages(t.Render);
    ExpectBalanced(t.Content());
    const std::string file = t.Finish();
    EXPECT_TRUE(pdftest::MatchesGolden("every-operator", file));
    EXPECT_EQ(pdftest::ComplaintsAbout(file), "");
}
