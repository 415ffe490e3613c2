// The renderer that replays a page stream into one PDF 1.3 file. The document is built in memory
// while the pages play and written at DocEnd in one piece.
#pragma once

#include "pdf/TPDFCatalog.h"
#include "pdf/TPDFDocInfo.h"
#include "pdf/TPDFFont.h"
#include "pdf/TPDFOutlines.h"
#include "pdf/TPDFPage.h"
#include "pdf/TPDFPages.h"
#include "pdf/TPDFProcSet.h"
#include "pdf/TPDFXObject.h"
#include "pdf/TPdfFontSource.h"
#include "report/ReportRenderStream.h"
#include "report/ReportStream.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pdf {

enum TPDFFontEncoding : uint8_t {
    feMacRomanEncoding,
    feMacExpertEncoding,
    feWinAnsiEncoding,
    fePDFDocEncoding,
    feStandardEncoding
};
std::string_view FontEncodingName(TPDFFontEncoding encoding);

// Encodes InStream (positioned at 0) into OutStream; may rename the filter (no leading "/").
using TCompressEvent =
    std::function<void(TStream& InStream, TStream& OutStream, std::string& CompressMethod)>;
// Decodes ImageStream, of the page stream's type name ImageType, into Bitmap.
using TDecodeImageEvent = std::function<void(class TRenderPDF& Sender, TStream& ImageStream,
                                             const std::string& ImageType, platform::RgbBitmap& Bitmap)>;

class TRenderPDF : public TReportRenderStream {
  public:
    TRenderPDF();
    ~TRenderPDF() override;

    // --- published properties ---
    bool UseCompression = false;
    bool EmbedFonts = false;
    TCompressEvent OnCompress;
    int ImageQuality = 90; // 1..100
    int MetafileDPI = 300;
    TPDFFontEncoding FontEncoding = feWinAnsiEncoding;
    TDecodeImageEvent OnDecodeImage;
    TPDFDocInfo DocInfo;

    // The moment written as "/CreationDate"; the system clock unless a test sets its own.
    std::function<std::time_t()> Clock;
    // The TrueType font service; without one every face that is not a standard font maps to
    // Helvetica.
    void SetFontSource(std::shared_ptr<TPdfFontSource> source) { FontSource = std::move(source); }

    // FileName with the extension of Extension ("*.pdf" gives ".pdf", cut before a ";") appended
    // when FileName holds no "." anywhere.
    static std::string OutputNameWithExtension(const std::string& FileName, const std::string& Extension);

    // --- renderer operations ---
    void RenderToFile(TStream* Stream, const std::string& OutputFileName) override;
    void DocBegin() override;
    void DocEnd() override;
    void PageBegin() override;
    void PageEnd() override;

    void RenderMoveTo(double X, double Y) override;
    void RenderLineTo(double X, double Y) override;
    void RenderRectangle(double X1, double Y1, double X2, double Y2) override;
    void RenderFillRect(const TRect& Rect) override;
    void RenderRoundRect(double X1, double Y1, double X2, double Y2, double W, double H) override;
    void RenderEllipse(double X1, double Y1, double X2, double Y2) override;
    void RenderArc(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                   double Y4) override;
    void RenderChord(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                     double Y4) override;
    void RenderPie(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                   double Y4) override;
    void RenderPolyline(const std::vector<TPoint>& Points, int HighIndex) override;
    void RenderPolygon(const std::vector<TPoint>& Points, int HighIndex) override;
    void RenderLeftText(const std::string& Text, double X, double Y) override;
    void RenderCenterText(const std::string& Text, double X, double Y) override;
    void RenderRightText(const std::string& Text, double X, double Y) override;
    void RenderBlockText(const std::string& Text, double X, double Y, double Width) override;
    void RenderTextRect(const TRect& Rect, const std::string& Text, double X, double Y) override;
    void FontChanged(const TReportFont& Font) override;

    void RenderBitmapRect(const TReportGraphic& Bitmap, double X1, double Y1, double X2, double Y2) override;
    void RenderBitmap(const TReportGraphic& Bitmap, double X, double Y, double ScaleX,
                      double ScaleY) override;
    void RenderStretchDraw(const TRect& Rect, const TReportGraphic& Graphic) override;
    void RenderDraw(const TReportGraphic& Graphic, double X, double Y) override;
    void RenderImageData(TStream& Stream, const std::string& TypeName, double X1, double Y1, double X2,
                         double Y2) override;

    // --- drawing state the reader provides while it plays; kept here so the renderer can also be
    // driven directly ---
    TReportPen Pen;
    TReportBrush Brush;

    // --- document state, present between DocBegin and DocEnd ---
    std::unique_ptr<TMemoryStream> DocStream;
    std::vector<std::unique_ptr<TPDFPage>> PageList;     // "P1", "P2", ...
    std::vector<std::unique_ptr<TPDFXObject>> ImageList; // "G1", "G2", ...
    std::vector<std::unique_ptr<TPDFFont>> FontList;     // keyed by base font name
    std::vector<std::string> OutlineList;                // nothing adds to it
    std::vector<uint64_t> XrefList;                      // offset of object n at index n-1
    std::unique_ptr<TPDFCatalog> Catalog;
    std::unique_ptr<TPDFPages> PageTree;
    std::unique_ptr<TPDFOutlines> Outlines;
    std::unique_ptr<TPDFProcSet> ProcSet;
    TPDFPage* CurrentPage = nullptr;
    TPDFFont* CurrentFont = nullptr;
    uint64_t XrefStart = 0;
    bool FirstPagePending = false;

    // Text state set by FontChanged.
    int FontSize = 12;
    double FontAngle = 0;
    bool Underline = false;
    bool StrikeOut = false;

    // --- output of the objects: the text lands in the buffer SetOutput names ---
    void SetOutput(std::string* target) { Output = target; }
    void Put(std::string_view text);
    void PutLine(std::string_view text);
    bool CompressionUsed() const { return UseCompression && static_cast<bool>(OnCompress); }
    // Runs OnCompress on Data; Method receives the filter name.
    std::string Compress(const std::string& Data, std::string& Method);

    // --- fonts ---
    std::string MapFontName(const std::string& Face, bool Bold, bool Italic);
    TPDFFont* FindFont(const std::string& Name, bool Bold, bool Italic);
    TPDFFont* CreateFont(const std::string& Name, bool Bold, bool Italic);
    bool IsTrueTypeFace(const std::string& Name, bool Bold, bool Italic);
    static std::string TrueTypeFontName(const std::string& Face, bool Bold, bool Italic);
    // Width of Text in inches at Size points.
    static double TextWidth(const TPDFFont& Font, std::string_view Text, int Size);

    // --- images ---
    std::string RegisterImage(const TPdfJpegImage& Image);
    void PageImage(const std::string& Name, double X1, double Y1, double X2, double Y2);
    // Registers Bitmap as a new image and places it in the rectangle; an empty bitmap draws nothing.
    void PlaceBitmap(const platform::RgbBitmap& Bitmap, double X1, double Y1, double X2, double Y2);

    // --- document ---
    void NumberObjects();
    void WriteDocument();
    void FreeDocument();

  private:
    // Page content.
    double XPos(double X) const { return X * 72; }
    double YPos(double Y) const { return (CurrentPage->PageHeight - Y) * 72; }
    void BeginContent();
    void PageMoveTo(double X, double Y);
    void PageLineTo(double X, double Y, bool Paint);
    void PageCurveTo(double X1, double Y1, double X2, double Y2, double X3, double Y3);
    void PageRectangle(double X1, double Y1, double X2, double Y2, bool Clip);
    void PageText(const std::string& Text, double X, double Y);
    void ShiftBack(double& X, double& Y, double Distance) const;
    void WritePenState();
    void WritePaint();
    struct TEllipsePoints {
        double x[5];
        double y[5];
    };
    TEllipsePoints EllipsePoints(double X1, double Y1, double X2, double Y2) const;
    void ArcPath(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4, double Y4,
                 bool Paint, bool Close);
    void TakeColorsFromReader();
    bool PenVisible();
    bool BrushVisible();

    // Drawing state: the reader's while it plays, else our own copies.
    TReportPen& CurrentPen();
    TReportBrush& CurrentBrush();

    // Document.
    void ReleaseDocumentObjects();
    void AddXrefEntry();
    void WriteObjectToDocument(TPDFObject& Object);
    void WriteInfoDictionary();
    void WriteXrefAndTrailer();
    void LoadTrueTypeMetrics(class TPDFFontTrueType& Font, bool Bold, bool Italic);

    std::string* Output = nullptr;
    std::shared_ptr<TPdfFontSource> FontSource;
    std::array<std::array<double, 8>, 4> ArcSegments{};
};

} // namespace pdf
