// The canvas renderers on real pictures: sizes of what the preview draws at each zoom, damaged
// and empty streams, and how printer strips shift the drawing.
#include "report/qt/RenderPreview.h"

#include "PrintTestSupport.h"

#include <QScrollArea>

#include <gtest/gtest.h>

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

// A canvas renderer drawing into a white picture at a chosen resolution, as a printer would.
class TImageRender : public TRenderCanvas {
  public:
    explicit TImageRender(int Dpi, QSize Size = {850, 1100}) : Dpi_(Dpi), Image(Size, QImage::Format_RGB32) {
        Image.fill(Qt::white);
    }
    void DocBegin() override { Painter.begin(&Image); }
    void DocEnd() override {
        Painter.end();
        TRenderCanvas::DocEnd();
    }
    int XDPI() override { return Dpi_; }
    int YDPI() override { return Dpi_; }
    QPainter& GetCanvas() override { return Painter; }
    int Dpi_;
    QImage Image;
    QPainter Painter;
};

// A page with pictures and shapes of known sizes, each in its own colour (page-stream colours
// hold red in the low byte). The writer measures at 300 pixels per inch: StretchDraw and pen
// widths are in those.
void RecordShapes(TStream& Out) {
    const auto picture = [](uint8_t R, uint8_t G, uint8_t B) {
        return TReportGraphic::FromBitmap(platform::RgbBitmap(36, 18, platform::Rgb{R, G, B}));
    };
    RecordInto(Out, [&](TBaseReport& r) {
        r.Draw(0.25, 0.25, picture(255, 0, 0));                 // 0.5 x 0.25 in
        r.DrawBitmapScaled(1, 0.25, 2, 1, picture(0, 255, 0));  // 1 x 0.25 in
        r.StretchDraw({75, 225, 225, 300}, picture(0, 0, 255)); // 0.5 x 0.25 in
        r.SetPenStyle(psClear);
        r.SetBrushColor(0x00FFFF);   // yellow
        r.Ellipse(1, 0.75, 2, 1.25); // 1 x 0.5 in
        r.SetPenStyle(psSolid);
        r.SetPenColor(0);
        r.SetPenWidth(30); // 0.1 in
        r.MoveTo(0.25, 1.75);
        r.LineTo(2, 1.75);
    });
}

// Sizes in inches of what RecordShapes drew, measured in Image at Scale pixels per inch.
void ExpectShapeSizes(const QImage& Image, double Scale) {
    struct Row {
        const char* Name;
        QColor Colour;
        double Width, Height;
    };
    for (const Row& r : {Row{"Draw", Qt::red, 0.5, 0.25}, Row{"DrawBitmapScaled", Qt::green, 1, 0.25},
                         Row{"StretchDraw", Qt::blue, 0.5, 0.25}, Row{"Ellipse", Qt::yellow, 1, 0.5}}) {
        const QRect box = BoundsOf(Image, r.Colour);
        EXPECT_NEAR(box.width(), r.Width * Scale, 2) << r.Name;
        EXPECT_NEAR(box.height(), r.Height * Scale, 2) << r.Name;
    }
    const QRect line =
        BoundsOf(Image.copy(0, int(1.5 * Scale), Image.width(), int(0.5 * Scale)), Qt::black, 100);
    EXPECT_NEAR(line.height(), 0.1 * Scale, 2) << "pen width";
}

} // namespace

TEST_F(PreviewTest, ShapesPicturesAndPensKeepTheirSizeAtEveryZoom) {
    RecordShapes(Stream);
    Preview.RenderStream(&Stream);
    for (double zoom : {50.0, 200.0}) {
        SCOPED_TRACE(zoom);
        Preview.SetZoomFactor(zoom);
        ExpectShapeSizes(Preview.PageImage(), 96 * zoom / 100);
    }
}

TEST(CanvasRender, ShapesPicturesAndPensKeepTheirSizeAtPrinterResolution) {
    TMemoryStream stream;
    RecordShapes(stream);
    TImageRender render(600, QSize(1300, 1300));
    render.RenderStream(&stream);
    ExpectShapeSizes(render.Image, 600);
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

TEST_F(PreviewTest, ZoomRedrawsThePageAtTheClampedFactorOrToFit) {
    RecordPuzzle(Stream);
    Preview.RenderStream(&Stream);
    int zoomChanges = 0;
    Preview.OnZoomChange = [&] { ++zoomChanges; };
    Preview.SetZoomFactor(500);
    EXPECT_EQ(Preview.PageImage().width(), 1632); // 8.5 in at 200 %
    Preview.SetZoomFactor(50);
    EXPECT_NEAR(BoundsOf(Preview.PageImage(), Qt::red).width(), 3 * 96, 1);
    Preview.ZoomOut();
    EXPECT_EQ(Preview.ZoomFactor(), 40);
    EXPECT_EQ(zoomChanges, 3);
    Preview.SetZoomFactor(-1); // the whole page is visible
    const QSize client = Box.maximumViewportSize();
    EXPECT_LE(Preview.PageImage().height(), client.height() - 4 + 1);
    EXPECT_LE(Preview.PageImage().width(), client.width() - 4 + 1);
    Preview.SetZoomFactor(-2);
    EXPECT_GE(Preview.PageImage().width(), client.width() - 4 - 30); // fills the width
}

TEST(CanvasRender, UnprintableStripShiftsDrawingToThePrintableArea) {
    TMemoryStream stream;
    TReferenceDevice device;
    device.HasPrinter = true;
    device.XDPI = device.YDPI = 100;
    device.MarginLeft = device.MarginTop = 0.25;
    RecordPuzzle(stream, device);
    TImageRender render(100);
    render.RenderStream(&stream);
    // Board recorded at 0.6 in from the paper: 0.35 in from the printable area's corner.
    const QRect board = BoundsOf(render.Image, Qt::red);
    EXPECT_NEAR(board.left(), 35, 1);
    EXPECT_NEAR(board.top(), 35, 1);
    EXPECT_NEAR(board.width(), 600, 1);
    // The header, recorded at 0.5 in with its width measured in the real font, starts 0.25 in into
    // the printable area, a few inches wide; its baseline is there too, only descenders go below.
    const QRect text = BoundsOf(render.Image.copy(0, 0, 850, board.top()), Qt::black, 100);
    EXPECT_NEAR(text.left(), 25, 2);
    EXPECT_LE(text.bottom(), 25 + 5);
    EXPECT_GT(text.width(), 300);
    EXPECT_LT(text.width(), 550);
}

// Font heights are the em size; a missing colour takes the default (the byte order of colours is
// checked by the shapes above).
TEST(CanvasRender, FontHeightIsTheEmSizeAndAMissingColourTheDefault) {
    TImageRender render(300);
    TReportFont font;
    font.Size = 12;
    render.FontChanged(font);
    EXPECT_EQ(render.DeviceFont().pixelSize(), 50); // 12 pt at 300 dpi
    font.Superscript = font.Bold = true;
    render.FontChanged(font);
    EXPECT_EQ(render.DeviceFont().pixelSize(), 30); // 50 / 1.667
    EXPECT_TRUE(render.DeviceFont().bold());
    EXPECT_EQ(TRenderCanvas::ToQColor(-5, Qt::white), QColor(Qt::white));
}
