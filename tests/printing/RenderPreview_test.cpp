// The canvas renderers on real pictures: where the preview puts the puzzle page at each zoom,
// page steps, and how printer strips shift the drawing.
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
    explicit TImageRender(int Dpi) : Dpi_(Dpi), Image(850, 1100, QImage::Format_RGB32) {
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

} // namespace

TEST_F(PreviewTest, PuzzlePageAtZoom100ShowsTheBoardSixInchesWide) {
    RecordPuzzle(Stream);
    Preview.RenderStream(&Stream);
    EXPECT_EQ(Preview.PageCount(), 1);
    const QImage& page = Preview.PageImage();
    EXPECT_EQ(page.width(), 816); // 8.5 in at 96 dpi, no margin, no shadow
    const QRect board = BoundsOf(page, IsRed);
    EXPECT_NEAR(board.width(), 6 * 96, 1);
    EXPECT_NEAR(board.height(), 6 * 96, 1);
    EXPECT_NEAR(board.left(), 0.6 * 96, 1);
    // The header text lies above the board and starts at 0.5 in (block text is drawn left-aligned).
    const QImage header = page.copy(0, 0, page.width(), board.top());
    const QRect text = BoundsOf(header, IsDark);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_NEAR(text.left(), 48, 3);
    EXPECT_LE(text.bottom(), 48 + 4); // baseline at 0.5 in; only descenders go below
    EXPECT_GT(text.width(), 300);
}

TEST_F(PreviewTest, ZoomIsClampedAndRedrawsThePage) {
    RecordPuzzle(Stream);
    Preview.RenderStream(&Stream);
    int zoomChanges = 0;
    Preview.OnZoomChange = [&] { ++zoomChanges; };
    Preview.SetZoomFactor(500);
    EXPECT_EQ(Preview.ZoomFactor(), 200);
    EXPECT_EQ(Preview.PageImage().width(), 1632);
    Preview.SetZoomFactor(5);
    EXPECT_EQ(Preview.ZoomFactor(), 10);
    Preview.SetZoomFactor(50);
    EXPECT_NEAR(BoundsOf(Preview.PageImage(), IsRed).width(), 3 * 96, 1);
    Preview.ZoomOut();
    EXPECT_EQ(Preview.ZoomFactor(), 40);
    EXPECT_EQ(zoomChanges, 4);
}

TEST_F(PreviewTest, FitPageMakesTheWholePageVisible) {
    RecordPuzzle(Stream);
    Preview.RenderStream(&Stream);
    Preview.SetZoomFactor(-1);
    const QSize client = Box.maximumViewportSize();
    EXPECT_LE(Preview.PageImage().height(), client.height() - 4 + 1);
    EXPECT_LE(Preview.PageImage().width(), client.width() - 4 + 1);
    Preview.SetZoomFactor(-2);
    EXPECT_GE(Preview.PageImage().width(), client.width() - 4 - 30); // fills the width
}

TEST_F(PreviewTest, PageStepsStayWithinTheReport) {
    RecordPages(Stream, 3);
    int changes = 0;
    Preview.OnPageChange = [&] { ++changes; };
    Preview.RenderStream(&Stream);
    EXPECT_EQ(Preview.PageCount(), 3);
    EXPECT_EQ(Preview.CurrentPage(), 1);
    Preview.PrevPage();
    EXPECT_EQ(Preview.CurrentPage(), 1);
    Preview.NextPage();
    EXPECT_EQ(Preview.CurrentPage(), 2);
    Preview.LastPage();
    EXPECT_EQ(Preview.CurrentPage(), 3);
    Preview.NextPage();
    EXPECT_EQ(Preview.CurrentPage(), 3);
    Preview.RenderPage(99);
    EXPECT_EQ(Preview.CurrentPage(), 3);
    Preview.FirstPage();
    EXPECT_EQ(Preview.CurrentPage(), 1);
    EXPECT_EQ(changes, 4); // 1, 2, 3, 1
}

TEST_F(PreviewTest, MissingScrollBoxAndDamagedStreamFailClearly) {
    TRenderPreview lone;
    RecordPuzzle(Stream);
    try {
        lone.RenderStream(&Stream);
        FAIL();
    } catch (const EReportError& e) {
        EXPECT_STREQ(e.what(), "ScrollBox must be assigned for RenderPreview component");
    }
    TMemoryStream junk(std::vector<uint8_t>{'X', 1, 2, 3});
    EXPECT_THROW(Preview.RenderStream(&junk), EReportError);
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
    // Text recorded at 0.5 in starts 0.25 in into the printable area.
    const QRect text = BoundsOf(render.Image.copy(0, 0, 850, board.top()), IsDark);
    EXPECT_NEAR(text.left(), 25, 2);
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
