// The renderer that replays a page stream into one PDF 1.3 file. The document is built in memory
// while the pages play and written at DocEnd in one piece.
#pragma once

#include "pdf/TPDFDocument.h"
#include "pdf/TPDFOptions.h"
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

// Decodes ImageStream, of the page stream's type name ImageType, into Bitmap.
using TDecodeImageEvent = std::function<void(class TRenderPDF& Sender, TStream& ImageStream,
                                             const std::string& ImageType, platform::RgbBitmap& Bitmap)>;

// The published settings of the document (UseCompression, EmbedFonts, OnCompress, ImageQuality,
// FontEncoding, DocInfo, Clock) are those of TPDFOptions.
class TRenderPDF : public TReportRenderStream, public TPDFOptions {
  public:
    TRenderPDF();
    ~TRenderPDF() override;

    // --- published properties of the renderer itself ---
    int MetafileDPI = 300;
    TDecodeImageEvent OnDecodeImage;

    // The TrueType font service; without one every face that is not a standard font maps to
    // Helvetica.
    void SetFontSource(std::shared_ptr<TPdfFontSource> source) { FontSource = std::move(source); }

    // FileName with the extension of Extension ("*.pdf" gives ".pdf", cut before a ";") appended
    // when the name itself, not counting its folders, holds no "." (the rule of ".ndr" and ".prn").
    static std::string OutputNameWithExtension(const std::string& FileName, const std::string& Extension);

    // --- renderer operations ---
    void RenderToFile(TStream* Stream, const std::string& OutputFileName) override;
    void DocBegin() override;
    void DocEnd() override;
    void PageBegin() override;
    void PageEnd() override;
    VELMORA_RENDER_OPERATIONS(VELMORA_RENDER_OVERRIDE)

    // --- drawing state: copies of the reader's pen and brush, kept by PenChanged and BrushChanged
    // (set directly when the renderer is driven without a reader) ---
    TReportPen Pen;
    TReportBrush Brush;

    // --- the document being built, present between DocBegin and DocEnd ---
    std::unique_ptr<TPDFDocument> Document;
    TPDFPage* CurrentPage = nullptr;
    TPDFFont* CurrentFont = nullptr;
    bool FirstPagePending = false;

    // Text state set by FontChanged.
    int FontSize = 12;
    double FontAngle = 0;
    bool Underline = false;
    bool StrikeOut = false;

    // --- fonts ---
    std::string MapFontName(const std::string& Face, bool Bold, bool Italic);
    TPDFFont* FindFont(const std::string& Name, bool Bold, bool Italic);
    TPDFFont* CreateFont(const std::string& Name, bool Bold, bool Italic);
    bool IsTrueTypeFace(const std::string& Name, bool Bold, bool Italic);
    static std::string TrueTypeFontName(const std::string& Face, bool Bold, bool Italic);
    // Width of Text in inches at Size points.
    static double TextWidth(const TPDFFont& Font, std::string_view Text, int Size);

    // --- images ---
    void PageImage(const std::string& Name, double X1, double Y1, double X2, double Y2);
    // Registers Bitmap as a new image and places it in the rectangle; an empty bitmap draws nothing.
    void PlaceBitmap(const platform::RgbBitmap& Bitmap, double X1, double Y1, double X2, double Y2);

    void FreeDocument();

    // The sides a PDF page may have, in units of 1/72 inch.
    static constexpr double MinPageSide = 3;
    static constexpr double MaxPageSide = 14400;
    // Most pixels the stretched pictures of one document may take together.
    static constexpr int64_t MaxResampledPixels = int64_t{1} << 27;

  private:
    // Refuses a page no reader can show, naming it.
    static bool PageSideFits(double Inches);
    void CheckPageSize(double Width, double Height) const;
    void PlaceBitmap(const platform::RgbBitmap& Bitmap, double X1, double Y1, double X2, double Y2,
                     const std::string& Key);
    // The image made before from the picture Key names, or null.
    const TPDFXObject* ReuseImage(const std::string& Key) const;

    // Page content: everything lands in the current page's content stream.
    void Put(std::string_view text);
    void PutLine(std::string_view text);
    double XPos(double X) const { return X * 72; }
    double YPos(double Y) const { return (CurrentPage->PageHeight - Y) * 72; }
    void PageMoveTo(double X, double Y, const TReportPen& pen, double width);
    void PageLineTo(double X, double Y, bool Paint, const TReportPen& pen, const TReportBrush& brush,
                    double width);
    void PageCurveTo(double X1, double Y1, double X2, double Y2, double X3, double Y3);
    void PageRectangle(double X1, double Y1, double X2, double Y2, bool Clip, const TReportPen& pen,
                       const TReportBrush& brush);
    void PageText(const std::string& Text, double X, double Y);
    void ShiftBack(double& X, double& Y, double Distance) const;
    void WritePenState(const TReportPen& pen, double width);
    void WritePaint(const TReportPen& pen, const TReportBrush& brush);
    struct TEllipsePoints {
        double x[5];
        double y[5];
    };
    TEllipsePoints EllipsePoints(double X1, double Y1, double X2, double Y2) const;
    // Writes the arc's path, and paints it when Paint is set; false when the arc is degenerate
    // (start and end at the same angle) and no path was written.
    bool ArcPath(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4, double Y4,
                 bool Paint, bool Close, const TReportBrush& brush);
    void TakeColorsFromReader();

    void LoadTrueTypeMetrics(class TPDFFontTrueType& Font, bool Bold, bool Italic);

    std::shared_ptr<TPdfFontSource> FontSource;
    int64_t ResampledPixels_ = 0;
    std::array<std::array<double, 8>, 4> ArcSegments{};
};

} // namespace pdf
