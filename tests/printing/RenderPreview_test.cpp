// The canvas renderers on real pictures: where each drawing lands on the printer and in the
// preview, damaged and empty streams, and how printer strips shift the drawing.
#include "report/qt/RenderPreview.h"

#include "PrintTestSupport.h"

#include <QDebug>
#include <QScrollArea>

#include <gtest/gtest.h>

#include <functional>

namespace {

class PreviewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Box.resize(800, 600);
        Preview.ScrollBox = &Box;
        Preview.ScreenXDPI = Preview.ScreenYDPI = 96;
    }
    QScrollArea Box;
    TRenderPreview Preview;
    TMemoryStream Stream;
};

// A canvas renderer drawing a letter page into a white picture at a chosen resolution, as a
// printer would.
class TImageRender : public TRenderCanvas {
  public:
    explicit TImageRender(int XDpi, int YDpi)
        : Dpi_{XDpi, YDpi}, Image(XDpi * 17 / 2, YDpi * 11, QImage::Format_RGB32) {
        Image.fill(Qt::white);
    }
    void DocBegin() override { Painter.begin(&Image); }
    void DocEnd() override {
        Painter.end();
        TRenderCanvas::DocEnd();
    }
    int XDPI() override { return Dpi_[0]; }
    int YDPI() override { return Dpi_[1]; }
    QPainter& GetCanvas() override { return Painter; }
    int Dpi_[2];
    QImage Image;
    QPainter Painter;
};

// What a canvas drew on a white picture: the box of all ink, and the box and count of the pixels
// within Tolerance of Colour in each of red, green and blue.
struct TInk {
    QRect All, Box;
    int Pixels = 0;
};

TInk InkOf(const QImage& Image, QColor Colour, int Tolerance = 60) {
    const QImage rgb = Image.convertToFormat(QImage::Format_RGB32);
    TInk ink;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = line[x];
            if ((c & 0xFFFFFF) != 0xFFFFFF) ink.All |= QRect(x, y, 1, 1);
            if (std::abs(qRed(c) - Colour.red()) < Tolerance &&
                std::abs(qGreen(c) - Colour.green()) < Tolerance &&
                std::abs(qBlue(c) - Colour.blue()) < Tolerance)
                ink.Box |= QRect(x, y, 1, 1), ++ink.Pixels;
        }
    }
    return ink;
}

} // namespace

// Each drawing, alone on a page in its colour (pen and brush), is played at 100 x 150 pixels per
// inch as a printer would and in the preview at 200 %. The colour must fill its box (left, top, width and
// height in inches; pixel rectangles and points are at the recording's 300 per inch) at the given
// share, and no ink may fall outside the box. Arcs run counter-clockwise from the right to the top.
TEST_F(PreviewTest, EveryDrawingInksItsBoxAndNothingElse) {
    using TDraw = std::function<void(TBaseReport&)>;
    struct Row {
        const char* Name;
        QRectF Box;
        double MinShare, MaxShare;
        TDraw Draw;
        QColor Colour = Qt::black;
        uint8_t Pen = psSolid, Brush = bsSolid;
    };
    TReportGraphic pic; // a picture in the row's colour
    const std::vector<TPoint> vee{{300, 300}, {450, 600}, {600, 300}},
        triangle{{300, 300}, {600, 300}, {300, 600}};
    const TDraw rect = [](TBaseReport& r) { r.Rectangle(1, 1, 3, 2); };
    const TDraw stretched = [&](TBaseReport& r) { r.StretchDraw({300, 300, 450, 375}, pic); };
    const TDraw fill = [](TBaseReport& r) { r.FillRect({300, 600, 600, 900}); };
    const TDraw line = [](TBaseReport& r) { r.Polyline({{300, 300}, {900, 300}}); };
    const TDraw wideLine = [](TBaseReport& r) {
        r.SetPenWidth(30); // 0.1 in, in device pixels across
        r.MoveTo(1.5, 1);
        r.LineTo(1.5, 3);
    };
    const TDraw text = [](TBaseReport& r) {
        r.SelectFont("Arial", 72);
        r.TextRect({300, 300, 600, 450}, 0.9, 1.6, "WWWWWW"); // black on the yellow brush
    };
    const Row rows[] = {
        {"arc", {2, 1, 1, 1}, 0.005, 0.05, [](auto& r) { r.Arc(1, 1, 3, 3, 3, 2, 2, 1); }},
        {"chord", {2, 1, 1, 1}, 0.2, 0.4, [](auto& r) { r.Chord(1, 1, 3, 3, 3, 2, 2, 1); }},
        {"pie", {2, 1, 1, 1}, 0.7, 0.9, [](auto& r) { r.Pie(1, 1, 3, 3, 3, 2, 2, 1); }},
        {"ellipse", {1, 1, 2, 1}, 0.7, 0.85, [](auto& r) { r.Ellipse(1, 1, 3, 2); }, Qt::yellow},
        {"round rect", {1, 1, 2, 1}, 0.8, 0.95, [](auto& r) { r.RoundRect(1, 1, 3, 2, 1, 1); }, Qt::blue},
        {"polyline", {1, 1, 1, 1}, 0.005, 0.05, [&](auto& r) { r.Polyline(vee); }},
        {"polygon", {1, 1, 1, 1}, 0.4, 0.6, [&](auto& r) { r.Polygon(triangle); }, Qt::red},
        {"line 0.1 in wide, square ends", {1.45, 0.95, 0.1, 2.1}, 0.8, 1.05, wideLine},
        {"text clipped to its rectangle", {1, 1, 1, 0.5}, 0.2, 0.95, text, Qt::yellow},
        {"fill rect", {1, 2, 1, 1}, 0.95, 1.05, fill},
        {"dashed pen", {1, 1, 2, 0}, 0.5, 0.8, line, Qt::black, psDash},
        {"dotted pen", {1, 1, 2, 0}, 0.2, 0.45, line, Qt::black, psDot},
        {"clear pen and brush draw nothing", {}, 0, 0, rect, Qt::black, psClear, bsClear},
        {"cross-hatched brush", {1, 1, 2, 1}, 0.1, 0.4, rect, Qt::black, psClear, bsCross},
        {"clear brush: the outline only", {1, 1, 2, 1}, 0.01, 0.06, rect, Qt::black, psSolid, bsClear},
        {"picture", {1, 1, 0.5, 0.25}, 0.9, 1.05, [&](auto& r) { r.Draw(1, 1, pic); }, Qt::red},
        {"scaled picture", {1, 1, 1, 0.25}, 0.9, 1.05, [&](auto& r) { r.DrawBitmapScaled(1, 1, 2, 1, pic); }},
        {"stretched picture", {1, 1, 0.5, 0.25}, 0.9, 1.05, stretched, Qt::blue},
        {"picture in a rect", {1, 1, 2, 1}, 0.9, 1.05, [&](auto& r) { r.DrawBitmapRect(1, 1, 3, 2, pic); }},
    };
    Preview.SetZoomFactor(500); // clamped to 200
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Stream.Clear();
        RecordInto(Stream, [&](TBaseReport& r) {
            const QColor c = row.Colour; // page-stream colours hold red in the low byte
            const platform::Rgb rgb{uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue())};
            pic = TReportGraphic::FromBitmap(platform::RgbBitmap(36, 18, rgb)); // 0.5 x 0.25 in
            r.SetPenColor(c.red() | c.green() << 8 | c.blue() << 16);
            r.SetBrushColor(c.red() | c.green() << 8 | c.blue() << 16);
            r.SetPenStyle(row.Pen);
            r.SetBrushStyle(row.Brush);
            row.Draw(r);
        });
        TImageRender printer(100, 150);
        printer.RenderStream(&Stream);
        Preview.RenderStream(&Stream);
        for (const auto& [image, x, y] :
             {std::tuple{printer.Image, 100, 150}, {Preview.PageImage(), 192, 192}}) {
            const TInk ink = InkOf(image, row.Colour);
            const int slack = 5; // pixels; pen ends are half the width long in both directions
            const QRect box(QPoint(std::lround(row.Box.left() * x), std::lround(row.Box.top() * y)),
                            QPoint(std::lround(row.Box.right() * x), std::lround(row.Box.bottom() * y)));
            if (row.Box.isNull()) {
                EXPECT_TRUE(ink.All.isNull()) << x;
                continue;
            }
            const auto near = [&](int Actual, int Expected) { return std::abs(Actual - Expected) <= slack; };
            EXPECT_TRUE(near(ink.Box.left(), box.left()) && near(ink.Box.top(), box.top()) &&
                        near(ink.Box.right(), box.right()) && near(ink.Box.bottom(), box.bottom()) &&
                        box.adjusted(-slack, -slack, slack, slack).contains(ink.All))
                << x << " ppi: ink in " << QDebug::toString(ink.All).toStdString() << ", its colour in "
                << QDebug::toString(ink.Box).toStdString() << ", expected "
                << QDebug::toString(box).toStdString();
            const double share = ink.Pixels / double(box.width() * box.height());
            EXPECT_TRUE(share >= row.MinShare && share <= row.MaxShare) << x << " ppi: share " << share;
        }
    }
}

TEST(CanvasRender, SymbolSetTextsAreGreekLettersAndSigns) {
    EXPECT_EQ(TRenderCanvas::DeviceText("abg", 2), QString::fromUtf8("\u03b1\u03b2\u03b3"));
    EXPECT_EQ(TRenderCanvas::DeviceText("\xA3\xB9 p", 2), QString::fromUtf8("\u2264\u2260 \u03c0"));
    EXPECT_EQ(TRenderCanvas::DeviceText("abg \x80", 1), QString::fromUtf8("abg \u20ac"));
    EXPECT_EQ(TRenderCanvas::DeviceText("abg", 0), "abg");
}

// A stream that cannot be shown at all leaves none rather than a pointer to it.
TEST_F(PreviewTest, UnreadableStreamOrNoScrollBoxFailClearly) {
    {
        TMemoryStream junk(std::vector<uint8_t>{'X', 1, 2, 3});
        EXPECT_NE(ReportErrorOf([&] { Preview.RenderStream(&junk); }), "");
    }
    EXPECT_EQ(Preview.Stream(), nullptr);
    TRenderPreview lone; // without a scroll box
    RecordPuzzle(Stream);
    EXPECT_EQ(ReportErrorOf([&] { lone.RenderStream(&Stream); }),
              "ScrollBox must be assigned for RenderPreview component");
}

TEST_F(PreviewTest, ReportWithoutPagesShowsNoPage) {
    RecordInto(
        Stream, [](TBaseReport& r) { r.PrintAt(1, 1, "left out"); }, {}, "R");
    Preview.RenderStream(&Stream);
    EXPECT_EQ(Preview.PageCount(), 0);
    EXPECT_EQ(Preview.CurrentPage(), 0);
    EXPECT_TRUE(Preview.PageImage().isNull());
    Preview.NextPage();
    EXPECT_EQ(Preview.CurrentPage(), 0);
}

TEST(CanvasRender, UnprintableStripShiftsDrawingToThePrintableArea) {
    TMemoryStream stream;
    TReferenceDevice device;
    device.HasPrinter = true;
    device.XDPI = device.YDPI = 100;
    device.MarginLeft = device.MarginTop = 0.25;
    RecordPuzzle(stream, device);
    TImageRender render(100, 100);
    render.RenderStream(&stream);
    // Board recorded at 0.6 in from the paper: 0.35 in from the printable area's corner.
    const QRect board = InkOf(render.Image, Qt::red).Box;
    EXPECT_NEAR(board.left(), 35, 1);
    EXPECT_NEAR(board.top(), 35, 1);
    EXPECT_NEAR(board.width(), 600, 1);
    // The header, recorded at 0.5 in with its width measured in the real font, starts 0.25 in into
    // the printable area, a few inches wide; its baseline is there too, only descenders go below.
    const QRect text = InkOf(render.Image.copy(0, 0, 850, board.top()), Qt::black, 100).Box;
    EXPECT_NEAR(text.left(), 25, 2);
    EXPECT_LE(text.bottom(), 25 + 5);
    EXPECT_GT(text.width(), 300);
    EXPECT_LT(text.width(), 550);
}

// Font heights are the em size; a missing colour takes the default (the byte order of colours is
// checked by the drawings above).
TEST(CanvasRender, FontHeightIsTheEmSizeAndAMissingColourTheDefault) {
    TImageRender render(300, 300);
    TReportFont font;
    font.Size = 12;
    render.FontChanged(font);
    EXPECT_EQ(render.DeviceFont().pixelSize(), 50); // 12 pt at 300 dpi
    font.Superscript = true;
    render.FontChanged(font);
    EXPECT_EQ(render.DeviceFont().pixelSize(), 30); // 50 / 1.667
    EXPECT_EQ(TRenderCanvas::ToQColor(-5, Qt::white), QColor(Qt::white));
}
