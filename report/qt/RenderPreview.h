// Plays a page stream onto a page picture shown in a scroll box: the preview window's renderer.
// It keeps the stream so it can show any page again at any zoom.
#pragma once

#include "report/ReportSystemTypes.h"
#include "report/qt/PreviewZoom.h"
#include "report/qt/RenderCanvas.h"

#include <QImage>
#include <QPainter>
#include <QPointer>

#include <functional>

class QLabel;
class QScrollArea;

class TRenderPreview : public TRenderCanvas {
  public:
    TRenderPreview();
    ~TRenderPreview() override;

    // ---------- published properties ----------
    QScrollArea* ScrollBox = nullptr; // required
    double ZoomInc = 10;
    bool Monochrome = false;
    TMarginMethod MarginMethod = mmFixed;
    double MarginPercent = 0;
    TRulerType RulerType = rtNone;
    QColor GridPenColor = Qt::lightGray;
    double GridHoriz = 0, GridVert = 0; // inches between grid lines; 0 = none
    int ShadowDepth = 0;
    int PageInc = 1;
    std::function<void()> OnZoomChange, OnPageChange;

    double ZoomFactor() const { return Zoom_; }
    // At or below -1.9 fits the page width, up to 0 the whole page; otherwise 10 to 200 percent.
    // The page is drawn again.
    void SetZoomFactor(double Value);
    void ZoomIn();
    void ZoomOut();

    // ---------- pages ----------
    // Shows page 1 of Stream (kept, not owned).
    void RenderStream(TStream* Stream) override;
    // Clamps PageNo to 1 .. page count and shows that page. When the page cannot be read the
    // error passes on and the page shown before stays (page number, zoom and picture).
    void RenderPage(int PageNo) override;
    void NextPage();
    void PrevPage();
    void FirstPage();
    void LastPage();
    // Both 0 for a report without pages.
    int CurrentPage() const { return CurrentPage_; }
    int PageCount() const { return PageCount_; }
    TStream* Stream() const { return Stream_; }

    // ---------- renderer ----------
    void DocBegin() override;
    void PageBegin() override;
    void PageEnd() override;
    int XDPI() override { return ScreenXDPI; }
    int YDPI() override { return ScreenYDPI; }
    int XI2D(double X) override;
    int YI2D(double Y) override;
    QPainter& GetCanvas() override;

    // The finished page picture and where the page sits in it.
    const QImage& PageImage() const { return Image_; }
    QPoint PageOffset() const { return Offset_; }
    // The screen's resolution (from the primary screen; settable for exact tests).
    int ScreenXDPI = 96, ScreenYDPI = 96;

  private:
    double FitZoom(TZoomRequest Request) const;
    void DrawPageFrame(double Width, double Height);
    void CheckScrollBox() const;
    void ShowNoPage();

    TStream* Stream_ = nullptr;
    double Zoom_ = 100;
    int CurrentPage_ = 1;
    int PageCount_ = 1;
    double LastWidth_ = 8.5, LastHeight_ = 11;
    QImage Image_;
    QImage Scratch_; // a painter target outside pages
    QPainter Painter_;
    QPoint Offset_;
    QPointer<QLabel> PageLabel_;
    bool Rendering_ = false;
};
