// The canvas renderers on real pictures: sizes of what the preview draws at each zoom, damaged
// and empty streams, and how printer strips shift the drawing.
#include "report/qt/RenderPreview.h"

#include "PrintTestSupport.h"
#include "report/PageConverter.h"
#include "report/ReportError.h"

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

// A page with pictures and shapes of known sizes, each in its own colour (page-stream colours:
// red in the low byte).
void RecordShapes(TStream& Out) {
    TNDRWriter writer; // measures at 300 pixels per inch: StretchDraw and pen widths are in those
    writer.SetStreamMode(smUser);
    writer.SetStream(&Out);
    const auto picture = [](uint8_t R, uint8_t G, uint8_t B) {
        return TReportGraphic::FromBitmap(platform::RgbBitmap(36, 18, platform::Rgb{R, G, B}));
    };
    writer.OnPrint = [&](TBaseReport& r) {
        r.Draw(0.25, 0.25, picture(255, 0, 0));                 // 0.5 x 0.25 in
        r.DrawBitmapScaled(1, 0.25, 2, 1, picture(0, 255, 0));  // 1 x 0.25 in
        r.StretchDraw({75, 225, 225, 300}, picture(0, 0, 255)); // 0.5 x 0.25 in
        r.SetPenStyle(psClear);
        r.SetBrushColor(0xFF00FF);
        r.Ellipse(1, 0.75, 2, 1.25); // 1 x 0.5 in
        r.SetPenStyle(psSolid);
        r.SetPenColor(0);
        r.SetPenWidth(30); // 0.1 in
        r.MoveTo(0.25, 1.75);
        r.LineTo(2, 1.75);
    };
    writer.Execute();
}

bool IsGreen(const QColor& c) {
    return c.green() > 200 && c.red() < 60 && c.blue() < 60;
}
bool IsBlue(const QColor& c) {
    return c.blue() > 200 && c.red() < 60 && c.green() < 60;
}
bool IsMagenta(const QColor& c) {
    return c.red() > 200 && c.blue() > 200 && c.green() < 60;
}

// Sizes in inches of what RecordShapes drew, measured in Image at Scale pixels per inch.
void ExpectShapeSizes(const QImage& Image, double Scale) {
    struct Row {
        const char* Name;
        bool (*Pred)(const QColor&);
        double Width, Height;
    };
    for (const Row& r : {Row{"Draw", IsRed, 0.5, 0.25}, Row{"DrawBitmapScaled", IsGreen, 1, 0.25},
                         Row{"StretchDraw", IsBlue, 0.5, 0.25}, Row{"Ellipse", IsMagenta, 1, 0.5}}) {
        const QRect box = BoundsOf(Image, r.Pred);
        EXPECT_NEAR(box.width(), r.Width * Scale, 2) << r.Name;
        EXPECT_NEAR(box.height(), r.Height * Scale, 2) << r.Name;
    }
    // The pen: a line 0.1 in thick.
    const QRect line = BoundsOf(
        Image.copy(0, static_cast<int>(1.5 * Scale), Image.width(), static_cast<int>(0.5 * Scale)), IsDark);
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

TEST_F(PreviewTest, UnreadableStreamOrNoScrollBoxFailClearly) {
    // A stream that cannot be shown at all leaves none rather than a pointer to it.
    TRenderPreview fresh;
    fresh.ScrollBox = &Box;
    {
        TMemoryStream junk(std::vector<uint8_t>{'X', 1, 2, 3});
        EXPECT_THROW(fresh.RenderStream(&junk), EReportError);
    }
    EXPECT_EQ(fresh.Stream(), nullptr);
    TRenderPreview lone; // without a scroll box
    RecordPuzzle(Stream);
    try {
        lone.RenderStream(&Stream);
        FAIL();
    } catch (const EReportError& e) {
        EXPECT_STREQ(e.what(), "ScrollBox must be assigned for RenderPreview component");
    }
}

TEST_F(PreviewTest, ReportWithoutPagesShowsNoPage) {
    TNDRWriter writer;
    writer.SetStreamMode(smUser);
    writer.SetStream(&Stream);
    writer.SetSelection("R");
    writer.OnPrint = [](TBaseReport& r) { r.PrintAt(1, 1, "left out"); };
    writer.Execute();
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
    EXPECT_NEAR(BoundsOf(Preview.PageImage(), IsRed).width(), 3 * 96, 1);
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
    TReferenceDevice device;
    device.HasPrinter = true;
    device.XDPI = device.YDPI = 100;
    device.MarginLeft = 0.25;
    device.MarginTop = 0.25;
    TMemoryStream stream;
    RecordPuzzle(stream, device);
    TImageRender render(100);
    render.RenderStream(&stream);
    // Board recorded at 0.6 in from the paper: 0.35 in from the printable area's corner.
    const QRect board = BoundsOf(render.Image, IsRed);
    EXPECT_NEAR(board.left(), 35, 1);
    EXPECT_NEAR(board.top(), 35, 1);
    EXPECT_NEAR(board.width(), 600, 1);
    // The header, recorded at 0.5 in with its width measured in the real font, starts 0.25 in into
    // the printable area, a few inches wide; its baseline is there too, only descenders go below.
    const QRect text = BoundsOf(render.Image.copy(0, 0, 850, board.top()), IsDark);
    EXPECT_NEAR(text.left(), 25, 2);
    EXPECT_LE(text.bottom(), 25 + 5);
    EXPECT_GT(text.width(), 300);
    EXPECT_LT(text.width(), 550);
}

TEST(CanvasRender, FontHeightIsTheEmSizeAndColoursSwapBytes) {
    TImageRender render(300);
    TReportFont font;
    font.Size = 12;
    render.FontChanged(font);
    EXPECT_EQ(render.DeviceFont().pixelSize(), 50); // 12 pt at 300 dpi
    font.Superscript = true;
    font.Bold = true;
    render.FontChanged(font);
    EXPECT_EQ(render.DeviceFont().pixelSize(), 30); // 50 / 1.667
    EXPECT_TRUE(render.DeviceFont().bold());
    EXPECT_EQ(TRenderCanvas::ToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(TRenderCanvas::ToQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(TRenderCanvas::ToQColor(-5, Qt::white), QColor(Qt::white));
}
