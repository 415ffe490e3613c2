#include "report/ReportRender.h"

#include <cmath>
#include <memory>

#include "report/PageConverter.h"
#include "report/ReportError.h"
#include "report/ReportStream.h"

namespace {
TReportRender::TRegistryHook RegistryHook = nullptr;

// Clears the busy mark however playback ends.
struct TBusyGuard {
    bool& Busy;
    ~TBusyGuard() { Busy = false; }
};

// Restores the previous input stream however playback ends.
struct TInputGuard {
    TStream*& Input;
    TStream* Previous;
    ~TInputGuard() { Input = Previous; }
};
} // namespace

TReportRender::TReportRender() = default;

TReportRender::~TReportRender() {
    if (RegistryHook && !DisplayName_.empty()) RegistryHook(*this, true);
}

void TReportRender::SetRegistryHook(TRegistryHook Hook) {
    RegistryHook = Hook;
}

void TReportRender::SetDisplayName(const std::string& Value) {
    DisplayName_ = Value;
    if (RegistryHook) RegistryHook(*this, false);
}

void TReportRender::RenderArc(double, double, double, double, double, double, double, double) {}
void TReportRender::BrushChanged(const TReportBrush&) {}
void TReportRender::RenderChord(double, double, double, double, double, double, double, double) {}
void TReportRender::RenderCenterText(const std::string&, double, double) {}
void TReportRender::RenderEllipse(double, double, double, double) {}
void TReportRender::FontChanged(const TReportFont&) {}
void TReportRender::RenderLeftText(const std::string&, double, double) {}
void TReportRender::RenderLineTo(double, double) {}
void TReportRender::RenderMoveTo(double, double) {}
void TReportRender::RenderPie(double, double, double, double, double, double, double, double) {}
void TReportRender::RenderPolyline(const std::vector<TPoint>&, int) {}
void TReportRender::RenderPolygon(const std::vector<TPoint>&, int) {}
void TReportRender::RenderRightText(const std::string&, double, double) {}
void TReportRender::PenChanged(const TReportPen&) {}
void TReportRender::RenderImageData(TStream&, const std::string&, double, double, double, double) {}
void TReportRender::RenderBitmapRect(const TReportGraphic&, double, double, double, double) {}
void TReportRender::RenderBitmap(const TReportGraphic&, double, double, double, double) {}
void TReportRender::RenderStretchDraw(const TRect&, const TReportGraphic&) {}
void TReportRender::RenderDraw(const TReportGraphic&, double, double) {}
void TReportRender::RenderBlockText(const std::string&, double, double, double) {}
void TReportRender::RenderRectangle(double, double, double, double) {}
void TReportRender::RenderFillRect(const TRect&) {}
void TReportRender::RenderTextRect(const TRect&, const std::string&, double, double) {}
void TReportRender::RenderRoundRect(double, double, double, double, double, double) {}
void TReportRender::DocBegin() {}
void TReportRender::DocEnd() {}
void TReportRender::PageBegin() {}
void TReportRender::PageEnd() {}
int TReportRender::XDPI() {
    return 72;
}
int TReportRender::YDPI() {
    return 72;
}

void TReportRender::RenderStream(TStream* Stream) {
    if (Busy_) return;
    TInputGuard Guard{Input_, Input_};
    if (Stream) {
        Input_ = Stream;
        RenderPage(0);
        return;
    }
    TFileStream File(InputFileName_, fmOpenRead);
    Input_ = &File;
    RenderPage(0);
}

void TReportRender::RenderPage(int PageNo) {
    if (!Input_ || Busy_) return;
    Busy_ = true;
    TBusyGuard Guard{Busy_};
    Input_->Seek(0);
    TPageConverter Converter(*Input_, *this);
    Converter.Generate(PageNo);
}

void TReportRender::RenderToFile(TStream* Stream, const std::string& OutputFileName) {
    SetOutputFileName(OutputFileName);
    RenderStream(Stream);
}

int TReportRender::XI2D(double X) {
    const double Margin = Converter_ ? Converter_->Header().MarginLeft : 0.0;
    return static_cast<int>(std::lround(XDPI() * (X - Margin)));
}

int TReportRender::YI2D(double Y) {
    const double Margin = Converter_ ? Converter_->Header().MarginTop : 0.0;
    return static_cast<int>(std::lround(YDPI() * (Y - Margin)));
}
