#include "report/ReportRender.h"

#include "platform/ScopeExit.h"

#include <cmath>
#include <memory>

#include "report/PageConverter.h"
#include "report/ReportError.h"
#include "report/ReportStream.h"

namespace {
TReportRender::TRegistryHook RegistryHook = nullptr;

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

#define VELMORA_RENDER_NOTHING(Name, Params, Args)                                                           \
    void TReportRender::Name Params {                                                                        \
        IgnoreRenderArguments Args;                                                                          \
    }
VELMORA_RENDER_OPERATIONS(VELMORA_RENDER_NOTHING)
#undef VELMORA_RENDER_NOTHING
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
    const platform::ScopeExit RestoreInput([this, Previous = Input_] { Input_ = Previous; });
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
    const platform::ScopeExit ClearBusy([this] { Busy_ = false; });
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
