#include "report/PageConverter.h"

#include "platform/ScopeExit.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <set>

#include "report/FormatText.h"
#include "report/PageStreamDecoder.h"
#include "report/ReportError.h"
#include "report/ReportRender.h"
#include "report/ReportStream.h"
#include "report/TextMeasurer.h"

namespace {

constexpr size_t MaxFaceName = 60;

TPoint To1248(float X, float Y) {
    auto Round = [](float V) {
        const double Scaled = std::round(static_cast<double>(V) * TPageConverter::MeasureDPI);
        if (!(Scaled > INT32_MIN && Scaled < INT32_MAX))
            return Scaled > 0 ? INT32_MAX : INT32_MIN; // NaN and huge values clamp
        return static_cast<int32_t>(Scaled);
    };
    return {Round(X), Round(Y)};
}

} // namespace

TPageConverter::TPageConverter(TStream& Stream, TReportRender& Render)
    : TPageConverter(Stream, Render, DefaultTextMeasurer()) {}

TPageConverter::TPageConverter(TStream& Stream, TReportRender& Render, TTextMeasurer& Measurer)
    : Stream_(Stream), Render_(Render), Measurer_(Measurer) {}

TPageConverter::~TPageConverter() = default;

void TPageConverter::LoadData() {
    if (auto* Memory = dynamic_cast<TMemoryStream*>(&Stream_)) {
        Data_ = Memory->Bytes().data();
        Size_ = Memory->Bytes().size();
    } else if (auto* View = dynamic_cast<TByteViewStream*>(&Stream_)) {
        Data_ = View->Data();
        Size_ = View->Size();
    } else {
        const uint64_t Size = Stream_.Size();
        if (Size > MaxStreamSize) throw EReportError("Report file is too large to be read.");
        Owned_.resize(Size);
        Stream_.Seek(0);
        Owned_.resize(Stream_.Read(Owned_.data(), Owned_.size()));
        Data_ = Owned_.data();
        Size_ = Owned_.size();
    }
    Decoder_ = std::make_unique<TPageStreamDecoder>(Data_, Size_);
}

void TPageConverter::Generate(int PageNo) {
    Render_.SetConverter(this);
    const platform::ScopeExit Detach([this] { Render_.SetConverter(nullptr); });
    if (!NowSet_) Now_ = std::time(nullptr);
    LoadData();
    Header_ = Decoder_->ReadHeader();
    Render_.DocBegin();
    try {
        if (Empty())
            ; // a report without pages: the document has nothing between its begin and end
        else if (PageNo <= 0)
            PlayAll();
        else
            PlayOne(PageNo);
    } catch (...) {
        try {
            Render_.DocEnd();
        } catch (...) {
            // the playback failure is the one worth reporting
        }
        throw;
    }
    Render_.DocEnd();
}

bool TPageConverter::Empty() const {
    // An unpatched count of 0 with page records behind it is a recording stopped early, which
    // still plays its first page.
    return Header_.PageCount == 0 && Decoder_->AtEnd();
}

void TPageConverter::PlayAll() {
    PlayPage();
    // Page records follow each other; the count stops the loop (an unpatched count of 0 plays
    // only the first page), and every page consumes bytes, so the loop ends with the data.
    while (CurrentPage_ < Header_.PageCount)
        PlayPage();
}

void TPageConverter::PlayOne(int PageNo) {
    const uint64_t Start = Decoder_->Position();
    std::set<uint64_t> Visited;
    uint64_t Here = Start;
    for (;;) {
        Decoder_->Seek(Here);
        const TPageHead Head = Decoder_->ReadPageHead();
        if (Head.PageNumber == PageNo) break;
        const int32_t Link = PageNo < Head.PageNumber ? Head.Previous : Head.Next;
        if (Link == 0) {
            Here = Start; // not found: play the page the search began at
            break;
        }
        if (Link < 0 || static_cast<uint64_t>(Link) >= Size_)
            throw EReportError(FormatText("Page link [%d] at position %d points outside the report file.",
                                          {Link, Head.Position}));
        if (!Visited.insert(Here).second || Visited.count(static_cast<uint64_t>(Link)))
            throw EReportError("Page links in report file form a loop.");
        Here = static_cast<uint64_t>(Link);
    }
    Decoder_->Seek(Here);
    PlayPage();
}

void TPageConverter::PlayPage() {
    const TPageHead Head = Decoder_->ReadPageHead();
    CurrentPage_ = Head.PageNumber;
    PageExpansion_ = 0;
    if (Decoder_->Version() >= 2000) {
        PageWidth_ = Head.Width;
        PageHeight_ = Head.Height;
    } else {
        PageWidth_ = Header_.PageWidth;
        PageHeight_ = Header_.PageHeight;
    }
    Render_.SetPageSize(PageWidth_, PageHeight_);
    Render_.PageBegin();
    TCommand Command;
    for (;;) {
        Decoder_->ReadCommand(Command);
        if (Command.Code == pcPageEnd) break;
        Dispatch(Command);
    }
    Render_.PageEnd();
}

TRect TPageConverter::DeviceRect(const float* F) {
    return {Render_.XI2D(F[0]), Render_.YI2D(F[1]), Render_.XI2D(F[2]), Render_.YI2D(F[3])};
}

// Every command plays as its row of the code table says.
#define VELMORA_PLAY_Call(Name, Operation, Args) Render_.Operation Args
#define VELMORA_PLAY_Step(Name, Operation, Args) Play##Operation(C)
#define VELMORA_PLAY_State(Name, Operation, Args) Play##Name(C)
#define VELMORA_PLAY_Skip(Name, Operation, Args)
#define VELMORA_PLAY_CASE(Code, Name, Layout, Kind, Operation, Args)                                         \
    case Code:                                                                                               \
        VELMORA_PLAY_##Kind(Name, Operation, Args);                                                          \
        break;

void TPageConverter::Dispatch(const TCommand& C) {
    [[maybe_unused]] const float* F = C.F;
    switch (C.Code) {
        VELMORA_PAGE_STREAM_CODES(VELMORA_PLAY_CASE)
    default:
        break;
    }
}

#undef VELMORA_PLAY_CASE
#undef VELMORA_PLAY_Skip
#undef VELMORA_PLAY_State
#undef VELMORA_PLAY_Step
#undef VELMORA_PLAY_Call

TStream& TPageConverter::ImageStream(const TCommand& C) {
    ImageView_ = std::make_unique<TByteViewStream>(Data_ + C.BlobOffset, C.BlobSize);
    return *ImageView_;
}

void TPageConverter::PlayMoveTo(const TCommand& C) {
    CurX_ = C.F[0];
    CurY_ = C.F[1];
}

void TPageConverter::PlayRenderLineTo(const TCommand& C) {
    Render_.RenderMoveTo(CurX_, CurY_);
    Render_.RenderLineTo(C.F[0], C.F[1]);
    PlayMoveTo(C);
}

std::vector<TPoint> TPageConverter::PolyPoints(const TCommand& C) {
    std::vector<TPoint> Points;
    Points.reserve(C.Points.size() / 2);
    for (size_t K = 0; K + 1 < C.Points.size(); K += 2)
        Points.push_back(To1248(C.Points[K], C.Points[K + 1]));
    Render_.RenderMoveTo(C.Points[0], C.Points[1]);
    return Points;
}

void TPageConverter::PlayRenderPolygon(const TCommand& C) {
    const std::vector<TPoint> Points = PolyPoints(C);
    Render_.RenderPolygon(Points, static_cast<int>(Points.size()) - 1);
}

void TPageConverter::PlayRenderPolyline(const TCommand& C) {
    const std::vector<TPoint> Points = PolyPoints(C);
    Render_.RenderPolyline(Points, static_cast<int>(Points.size()) - 1);
}

void TPageConverter::PlayRenderCenterText(const TCommand& C) {
    RenderText(C.Code, C.S[0], C.F[1], C.F[0]);
}
void TPageConverter::PlayRenderLeftText(const TCommand& C) {
    RenderText(C.Code, C.S[0], C.F[1], C.F[0]);
}
void TPageConverter::PlayRenderRightText(const TCommand& C) {
    RenderText(C.Code, C.S[0], C.F[1], C.F[0]);
}

void TPageConverter::PlayRenderOption(const TCommand& C) {
    Render_.SetRenderOption(static_cast<uint8_t>(C.I[0]));
}

void TPageConverter::PlayVariable(const TCommand& C) {
    Variables_[C.S[0]] = C.Value;
}

void TPageConverter::PlayBrushChanged(const TCommand& C) {
    switch (C.Code) {
    case pcBrushRecord:
        Brush_.Color = static_cast<TColor>(C.I[0]);
        Brush_.Style = static_cast<uint8_t>(C.I[1]);
        Brush_.Pattern = C.I[2] == 1 ? C.Graphic : TReportGraphic{};
        break;
    case pcBrushColor:
        Brush_.Color = static_cast<TColor>(C.I[0]);
        break;
    case pcBrushStyle:
        Brush_.Style = static_cast<uint8_t>(C.I[0]);
        break;
    case pcBrushPattern:
        Brush_.Pattern = C.I[0] == 1 ? C.Graphic : TReportGraphic{};
        break;
    default:
        return;
    }
    Render_.BrushChanged(Brush_);
}

void TPageConverter::PlayPenChanged(const TCommand& C) {
    switch (C.Code) {
    case pcPenRecord:
        Pen_.Color = static_cast<TColor>(C.I[0]);
        Pen_.Mode = static_cast<uint8_t>(C.I[1]);
        Pen_.Style = static_cast<uint8_t>(C.I[2]);
        Pen_.Width = C.F[0];
        Render_.SetPenWidth(Pen_.Width);
        break;
    case pcPenColor:
        Pen_.Color = static_cast<TColor>(C.I[0]);
        break;
    case pcPenMode:
        Pen_.Mode = static_cast<uint8_t>(C.I[0]);
        break;
    case pcPenStyle:
        Pen_.Style = static_cast<uint8_t>(C.I[0]);
        break;
    case pcPenWidth:
        Pen_.Width = C.F[0];
        Render_.SetPenWidth(Pen_.Width);
        break;
    default:
        return;
    }
    Render_.PenChanged(Pen_);
}

void TPageConverter::PlayFontChanged(const TCommand& C) {
    auto Flag = [&](int K) { return C.I[K] != 0; };
    auto Points = [](float Inches) {
        const double P = std::round(static_cast<double>(Inches) * 72);
        return std::isfinite(P) ? std::clamp(P, 0.0, 16384.0) : 0.0;
    };
    switch (C.Code) {
    case pcFontRecord:
        Font_.Name = C.S[0].substr(0, MaxFaceName);
        Font_.Color = static_cast<TColor>(C.I[0]);
        Font_.Pitch = static_cast<uint8_t>(C.I[1]);
        Font_.CharSet = static_cast<uint8_t>(C.I[2]);
        Font_.Size = Points(C.F[0]);
        Font_.Bold = Flag(3);
        Font_.Underline = Flag(4);
        Font_.Italic = Flag(5);
        Font_.StrikeOut = Flag(6);
        break;
    case pcFontName:
        Font_.Name = C.S[0].substr(0, MaxFaceName);
        break;
    case pcFontColor:
        Font_.Color = static_cast<TColor>(C.I[0]);
        break;
    case pcFontPitch:
        Font_.Pitch = static_cast<uint8_t>(C.I[0]);
        break;
    case pcFontSize:
        Font_.Size = Points(C.F[0]);
        break;
    case pcFontBold:
        Font_.Bold = Flag(0);
        break;
    case pcFontUnderline:
        Font_.Underline = Flag(0);
        break;
    case pcFontItalic:
        Font_.Italic = Flag(0);
        break;
    case pcFontStrikeOut:
        Font_.StrikeOut = Flag(0);
        break;
    case pcFontSuperscript:
        Font_.Superscript = Flag(0);
        break;
    case pcFontSubscript:
        Font_.Subscript = Flag(0);
        break;
    case pcFontRotation:
        Font_.Rotation = static_cast<uint16_t>(C.I[0]);
        break;
    case pcFontAlign:
        Font_.Align = static_cast<uint8_t>(C.I[0]);
        break;
    case pcFontCharSet:
        Font_.CharSet = static_cast<uint8_t>(C.I[0]);
        break;
    default:
        return;
    }
    NotifyFont();
}

void TPageConverter::NotifyFont() {
    Render_.FontChanged(Font_);
}
