// A renderer that records the reader's calls and checks the order a renderer may rely on: at most one
// DocBegin, first, pages opened and closed in turn, drawing only inside a page, polygon counts
// that match their points, finite page sizes handed over before each page.
#pragma once

#include "report/ReportRender.h"

#include <cstddef>
#include <cstdint>

class TCallCheckingRender : public TReportRender {
  public:
    // Checks what must hold once the reader has returned or failed.
    void CheckFinished() const;

    std::size_t Calls() const { return Calls_; }
    std::size_t Pages() const { return Pages_; }

    void DocBegin() override;
    void DocEnd() override;
    void PageBegin() override;
    void PageEnd() override;

    void RenderArc(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                   double Y4) override;
    void RenderChord(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                     double Y4) override;
    void RenderPie(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                   double Y4) override;
    void RenderCenterText(const std::string& Text, double X, double Y) override;
    void RenderLeftText(const std::string& Text, double X, double Y) override;
    void RenderRightText(const std::string& Text, double X, double Y) override;
    void RenderBlockText(const std::string& Text, double X, double Y, double Width) override;
    void RenderTextRect(const TRect& Rect, const std::string& Text, double X, double Y) override;
    void RenderEllipse(double X1, double Y1, double X2, double Y2) override;
    void RenderLineTo(double X, double Y) override;
    void RenderMoveTo(double X, double Y) override;
    void RenderPolyline(const std::vector<TPoint>& Points, int HighIndex) override;
    void RenderPolygon(const std::vector<TPoint>& Points, int HighIndex) override;
    void RenderImageData(TStream& Stream, const std::string& TypeName, double X1, double Y1, double X2,
                         double Y2) override;
    void RenderBitmapRect(const TReportGraphic& Bitmap, double X1, double Y1, double X2, double Y2) override;
    void RenderBitmap(const TReportGraphic& Bitmap, double X, double Y, double ScaleX,
                      double ScaleY) override;
    void RenderStretchDraw(const TRect& Rect, const TReportGraphic& Graphic) override;
    void RenderDraw(const TReportGraphic& Graphic, double X, double Y) override;
    void RenderRectangle(double X1, double Y1, double X2, double Y2) override;
    void RenderFillRect(const TRect& Rect) override;
    void RenderRoundRect(double X1, double Y1, double X2, double Y2, double W, double H) override;
    void FontChanged(const TReportFont& Sender) override;
    void PenChanged(const TReportPen& Sender) override;
    void BrushChanged(const TReportBrush& Sender) override;

  private:
    void Drawing();
    void Text(const std::string& Text);

    std::size_t Calls_ = 0;
    std::size_t Pages_ = 0;
    int DocBegins_ = 0;
    int DocEnds_ = 0;
    bool InPage_ = false;
    std::uint64_t Checksum_ = 0; // keeps the recorded texts alive
};
