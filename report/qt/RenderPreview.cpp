#include "report/qt/RenderPreview.h"

#include "platform/ScopeExit.h"

#include "report/PageConverter.h"
#include "report/ReportError.h"
#include "report/ReportStream.h"
#include "report/qt/PreviewZoom.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <cmath>

namespace {

const QColor Background(128, 128, 128);
const QColor Shadow(64, 64, 64);

} // namespace

TRenderPreview::TRenderPreview() : Scratch_(1, 1, QImage::Format_RGB32) {
    SetActive(false); // never offered as a file format
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        ScreenXDPI = static_cast<int>(std::lround(screen->logicalDotsPerInchX()));
        ScreenYDPI = static_cast<int>(std::lround(screen->logicalDotsPerInchY()));
    }
}

TRenderPreview::~TRenderPreview() {
    if (Painter_.isActive()) Painter_.end();
}

void TRenderPreview::CheckScrollBox() const {
    if (!ScrollBox) throw EReportError("ScrollBox must be assigned for RenderPreview component");
}

double TRenderPreview::FitZoom(TZoomRequest Request) const {
    TPreviewGeometry g;
    g.XDPI = ScreenXDPI;
    g.YDPI = ScreenYDPI;
    g.PageWidth = LastWidth_;
    g.PageHeight = LastHeight_;
    g.MarginMethod = MarginMethod;
    g.MarginPercent = MarginPercent;
    const QSize client = ScrollBox->maximumViewportSize();
    g.ClientWidth = client.width();
    g.ClientHeight = client.height();
    g.ScrollBarWidth = ScrollBox->verticalScrollBar()->sizeHint().width();
    return Request == zrFitWidth ? FitWidthZoom(g) : FitPageZoom(g);
}

void TRenderPreview::SetZoomFactor(double Value) {
    const double previous = Zoom_;
    const TZoomRequest request = ClassifyZoom(Value);
    if (request == zrFactor)
        Zoom_ = ClampZoom(Value);
    else if (ScrollBox)
        Zoom_ = FitZoom(request);
    if (Stream_) {
        try {
            RenderPage(CurrentPage_);
        } catch (...) {
            Zoom_ = previous; // the page stays as it was shown
            throw;
        }
    }
    if (OnZoomChange) OnZoomChange();
}

void TRenderPreview::ZoomIn() {
    SetZoomFactor(ZoomInValue(Zoom_, ZoomInc));
}

void TRenderPreview::ZoomOut() {
    SetZoomFactor(ZoomOutValue(Zoom_, ZoomInc));
}

void TRenderPreview::RenderStream(TStream* Stream) {
    CheckScrollBox();
    // A stream that cannot be shown leaves the one shown before, never a pointer to the failed one.
    TStream* const previousStream = Stream_;
    const int previousCount = PageCount_, previousPage = CurrentPage_;
    Stream_ = Stream;
    PageCount_ = 1;
    CurrentPage_ = 0; // so that showing page 1 counts as a change
    try {
        RenderPage(1);
    } catch (...) {
        Stream_ = previousStream;
        PageCount_ = previousCount;
        CurrentPage_ = previousPage;
        throw;
    }
}

void TRenderPreview::RenderPage(int PageNo) {
    CheckScrollBox();
    if (!Stream_ || Rendering_) return;
    const int page = ClampPage(PageNo, PageCount_);
    const int previousPage = CurrentPage_, previousCount = PageCount_;
    CurrentPage_ = page;
    Rendering_ = true;
    const platform::ScopeExit clear([this] { Rendering_ = false; });
    // A damaged page must not leave a half-drawn picture: the last good page stays.
    const QImage shown = Image_;
    const QPoint shownOffset = Offset_;
    try {
        Stream_->Seek(0);
        TPageConverter converter(*Stream_, *this);
        converter.Generate(page);
    } catch (...) {
        if (Painter_.isActive()) Painter_.end();
        Image_ = shown;
        Offset_ = shownOffset;
        CurrentPage_ = previousPage;
        PageCount_ = previousCount;
        throw;
    }
    if (PageCount_ == 0) ShowNoPage();
    if (CurrentPage_ != previousPage && OnPageChange) OnPageChange();
}

void TRenderPreview::ShowNoPage() {
    CurrentPage_ = 0;
    Image_ = QImage();
    if (PageLabel_) PageLabel_->clear();
}

void TRenderPreview::NextPage() {
    RenderPage(::NextPage(CurrentPage_, PageInc, PageCount_));
}
void TRenderPreview::PrevPage() {
    RenderPage(::PreviousPage(CurrentPage_, PageInc, PageCount_));
}
void TRenderPreview::FirstPage() {
    RenderPage(1);
}
void TRenderPreview::LastPage() {
    RenderPage(PageCount_);
}

void TRenderPreview::DocBegin() {
    if (!Converter()) return;
    // An unpatched count (recording stopped early) still shows the first page.
    PageCount_ = Converter()->Empty() ? 0 : std::max<int>(1, Converter()->Header().PageCount);
}

void TRenderPreview::DrawPageFrame(double Width, double Height) {
    TPreviewGeometry g;
    g.XDPI = ScreenXDPI;
    g.PageWidth = Width;
    g.MarginMethod = MarginMethod;
    g.MarginPercent = MarginPercent;
    const int margin = PreviewMargin(g, Zoom_);
    const int w = PreviewInchToPixel(Zoom_, ScreenXDPI, Width, 0);
    const int h = PreviewInchToPixel(Zoom_, ScreenYDPI, Height, 0);
    const int shadow = std::max(0, ShadowDepth);
    Offset_ = QPoint(margin, margin);
    Image_ = QImage(std::max(1, w + 2 * margin + shadow), std::max(1, h + 2 * margin + shadow),
                    QImage::Format_RGB32);
    Image_.fill(Background);
    Painter_.begin(&Image_);
    if (shadow > 0) Painter_.fillRect(QRect(margin + shadow, margin + shadow, w, h), Shadow);
    Painter_.fillRect(QRect(margin, margin, w, h), Qt::white);
    Painter_.setPen(GridPenColor);
    if (GridVert > 0)
        for (double x = GridVert; x < Width; x += GridVert)
            Painter_.drawLine(XI2D(x), margin, XI2D(x), margin + h - 1);
    if (GridHoriz > 0)
        for (double y = GridHoriz; y < Height; y += GridHoriz)
            Painter_.drawLine(margin, YI2D(y), margin + w - 1, YI2D(y));
    // Ticks along the top and left edges of the page every inch or centimetre.
    if (RulerType != rtNone) {
        const bool cm = RulerType == rtHorizCm || RulerType == rtVertCm || RulerType == rtBothCm;
        const double step = cm ? 1 / 2.54 : 1.0;
        Painter_.setPen(Qt::black);
        if (RulerType != rtVertCm && RulerType != rtVertIn)
            for (double x = step; x < Width; x += step)
                Painter_.drawLine(XI2D(x), margin, XI2D(x), margin + 6);
        if (RulerType != rtHorizCm && RulerType != rtHorizIn)
            for (double y = step; y < Height; y += step)
                Painter_.drawLine(margin, YI2D(y), margin + 6, YI2D(y));
    }
    Painter_.setClipRect(QRect(margin, margin, w, h));
}

void TRenderPreview::PageBegin() {
    LastWidth_ = PageWidth() > 0 ? PageWidth() : 8.5;
    LastHeight_ = PageHeight() > 0 ? PageHeight() : 11;
    if (Painter_.isActive()) Painter_.end();
    DrawPageFrame(LastWidth_, LastHeight_);
}

void TRenderPreview::PageEnd() {
    if (Painter_.isActive()) Painter_.end();
    if (Monochrome) Image_ = Image_.convertToFormat(QImage::Format_Grayscale8);
    if (!PageLabel_ || ScrollBox->widget() != PageLabel_) {
        PageLabel_ = new QLabel;
        PageLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        ScrollBox->setWidget(PageLabel_);
    }
    PageLabel_->setPixmap(QPixmap::fromImage(Image_));
    PageLabel_->resize(Image_.size());
}

int TRenderPreview::XI2D(double X) {
    return PreviewInchToPixel(Zoom_, ScreenXDPI, X, Offset_.x());
}

int TRenderPreview::YI2D(double Y) {
    return PreviewInchToPixel(Zoom_, ScreenYDPI, Y, Offset_.y());
}

QPainter& TRenderPreview::GetCanvas() {
    if (!Painter_.isActive()) Painter_.begin(&Scratch_); // outside a page drawing goes nowhere
    return Painter_;
}
