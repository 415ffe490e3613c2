#include "TestSupport.h"

#include <cstring>
#include <sstream>

#include "report/PageConverter.h"
#include "report/ReportError.h"
#include "report/ReportStream.h"

TFixedMeasurer& FixedMeasurer() {
    static TFixedMeasurer Measurer;
    return Measurer;
}

namespace {
std::string Num(double V) {
    std::ostringstream S;
    S.imbue(std::locale::classic());
    S.precision(10);
    S << V;
    return S.str();
}
} // namespace

void TRecordingRender::PageBegin() {
    Calls.push_back("PageBegin " + Num(PageWidth()) + "x" + Num(PageHeight()));
}

void TRecordingRender::RenderLeftText(const std::string& Text, double X, double Y) {
    Calls.push_back("LeftText '" + Text + "' " + Num(X) + " " + Num(Y));
}

void TRecordingRender::RenderCenterText(const std::string& Text, double X, double Y) {
    Calls.push_back("CenterText '" + Text + "' " + Num(X) + " " + Num(Y));
}

void TRecordingRender::RenderRightText(const std::string& Text, double X, double Y) {
    Calls.push_back("RightText '" + Text + "' " + Num(X) + " " + Num(Y));
}

void TRecordingRender::RenderBlockText(const std::string& Text, double X, double Y, double Width) {
    Calls.push_back("BlockText '" + Text + "' " + Num(X) + " " + Num(Y) + " " + Num(Width));
}

void TRecordingRender::RenderBitmapRect(const TReportGraphic& Bitmap, double X1, double Y1, double X2,
                                        double Y2) {
    Bitmaps.push_back(Bitmap);
    Calls.push_back("BitmapRect " + Num(X1) + " " + Num(Y1) + " " + Num(X2) + " " + Num(Y2));
}

void TRecordingRender::RenderMoveTo(double X, double Y) {
    Calls.push_back("MoveTo " + Num(X) + " " + Num(Y));
}
void TRecordingRender::RenderLineTo(double X, double Y) {
    Calls.push_back("LineTo " + Num(X) + " " + Num(Y));
}

void TRecordingRender::RenderRectangle(double X1, double Y1, double X2, double Y2) {
    Calls.push_back("Rectangle " + Num(X1) + " " + Num(Y1) + " " + Num(X2) + " " + Num(Y2));
}

void TRecordingRender::RenderPolygon(const std::vector<TPoint>& Points, int HighIndex) {
    std::string Line = "Polygon " + std::to_string(HighIndex);
    for (const TPoint& P : Points)
        Line += " " + std::to_string(P.X) + "," + std::to_string(P.Y);
    Calls.push_back(Line);
}

std::vector<std::string> TRecordingRender::Matching(const std::string& Prefix) const {
    std::vector<std::string> Out;
    for (const auto& C : Calls)
        if (C.rfind(Prefix, 0) == 0) Out.push_back(C);
    return Out;
}

std::string Play(const std::vector<uint8_t>& Bytes, TReportRender& Render, int PageNo) {
    TByteViewStream Stream(Bytes.data(), Bytes.size());
    TPageConverter Converter(Stream, Render, FixedMeasurer());
    try {
        Converter.Generate(PageNo);
    } catch (const EReportError& Error) {
        return Error.what();
    }
    return {};
}

void PrepareWriter(TNDRWriter& Writer) {
    Writer.SetMeasurer(FixedMeasurer());
    Writer.SetStreamMode(smMemory);
}

TBytes& TBytes::Int(int32_t V) {
    const uint32_t U = static_cast<uint32_t>(V);
    for (int K = 0; K < 4; ++K)
        Byte(static_cast<uint8_t>(U >> (8 * K)));
    return *this;
}

TBytes& TBytes::Single(float V) {
    uint32_t U;
    std::memcpy(&U, &V, 4);
    return Int(static_cast<int32_t>(U));
}

TBytes& TBytes::Str(const std::string& S) {
    if (S.size() < 192) {
        Byte(static_cast<uint8_t>(S.size()));
    } else {
        const uint16_t L = static_cast<uint16_t>(S.size() + 49152);
        Byte(static_cast<uint8_t>(L >> 8)).Byte(static_cast<uint8_t>(L));
    }
    return Raw(S);
}

TBytes StreamHeader(uint16_t PageCount) {
    TBytes B;
    B.Byte('Z').Word(2017).Str("T").Word(PageCount).Word(1).Word(9999);
    B.Single(8.5f).Single(11).Single(0).Single(0).Single(0).Single(0);
    B.Byte(0).Word(265).Byte(0).Byte(0).Word(1).Word(1).Word(0).Word(0).Str("");
    return B;
}

void PageStart(TBytes& B, int32_t Previous, int32_t Next, uint16_t PageNumber) {
    B.Byte(80).Int(Previous).Int(Next).Word(PageNumber).Single(8.5f).Single(11);
}

uint16_t WordAt(const std::vector<uint8_t>& Bytes, size_t Offset) {
    return static_cast<uint16_t>(Bytes.at(Offset) | (Bytes.at(Offset + 1) << 8));
}

int32_t IntAt(const std::vector<uint8_t>& Bytes, size_t Offset) {
    uint32_t U = 0;
    for (int K = 3; K >= 0; --K)
        U = (U << 8) | Bytes.at(Offset + static_cast<size_t>(K));
    return static_cast<int32_t>(U);
}

float SingleAt(const std::vector<uint8_t>& Bytes, size_t Offset) {
    const uint32_t U = static_cast<uint32_t>(IntAt(Bytes, Offset));
    float F;
    std::memcpy(&F, &U, 4);
    return F;
}
