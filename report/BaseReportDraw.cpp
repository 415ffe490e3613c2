// Shapes, pictures and device control on the drawing surface: each records one command.
#include <string>

#include "report/BaseReport.h"
#include "report/PageStreamCodes.h"
#include "report/ReportError.h"
#include "report/ReportStream.h"

namespace {
void CheckSlot(const char* Operation, int Index) {
    if (Index < 1 || Index > TBaseReport::GraphicSlots)
        throw EReportError(std::string(Operation) + ": Index must be between 1 and " +
                           std::to_string(TBaseReport::GraphicSlots));
}
} // namespace

void TBaseReport::Arc(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                      double Y4) {
    if (!BeginOp()) return;
    WriteByte(pcArc);
    WritePoint(X1, Y1);
    WritePoint(X2, Y2);
    WritePoint(X3, Y3);
    WritePoint(X4, Y4);
}

void TBaseReport::Chord(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                        double Y4) {
    if (!BeginOp()) return;
    WriteByte(pcChord);
    WritePoint(X1, Y1);
    WritePoint(X2, Y2);
    WritePoint(X3, Y3);
    WritePoint(X4, Y4);
}

void TBaseReport::Pie(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                      double Y4) {
    if (!BeginOp()) return;
    WriteByte(pcPie);
    WritePoint(X1, Y1);
    WritePoint(X2, Y2);
    WritePoint(X3, Y3);
    WritePoint(X4, Y4);
}

void TBaseReport::Ellipse(double X1, double Y1, double X2, double Y2) {
    if (!BeginOp()) return;
    WriteByte(pcEllipse);
    WritePoint(X1, Y1);
    WritePoint(X2, Y2);
}

void TBaseReport::Rectangle(double X1, double Y1, double X2, double Y2) {
    if (!BeginOp()) return;
    WriteByte(pcRectangle);
    WritePoint(X1, Y1);
    WritePoint(X2, Y2);
}

void TBaseReport::ShadeRectangle(double X1, double Y1, double X2, double Y2) {
    if (!BeginOp()) return;
    WriteByte(pcShadeRect);
    WritePoint(X1, Y1);
    WritePoint(X2, Y2);
}

void TBaseReport::RoundRect(double X1, double Y1, double X2, double Y2, double W, double H) {
    if (!BeginOp()) return;
    WriteByte(pcRoundRect);
    WritePoint(X1, Y1);
    WritePoint(X2, Y2);
    WriteWidth(W);
    WriteSingle(H / UnitsFactor() * ScaleY_ / 100);
}

void TBaseReport::MoveTo(double X, double Y) {
    CheckPrinting();
    PointX_ = X;
    PointY_ = Y;
}

void TBaseReport::LineTo(double X, double Y) {
    if (BeginOp()) {
        WriteByte(pcMoveTo);
        WritePoint(PointX_, PointY_);
        WriteByte(pcLineTo);
        WritePoint(X, Y);
    }
    PointX_ = X;
    PointY_ = Y;
}

static void CheckPointCount(size_t Count) {
    if (Count > 65536) throw EReportError("Too many points for one polygon (65536 at most).");
}

void TBaseReport::Polygon(const std::vector<TPoint>& PixelPoints) {
    CheckPointCount(PixelPoints.size());
    if (!BeginOp() || PixelPoints.empty()) return;
    WriteByte(pcPolygon);
    WriteWord(static_cast<uint16_t>(PixelPoints.size() - 1));
    for (const TPoint& P : PixelPoints)
        WritePixelPoint(P.X, P.Y);
}

void TBaseReport::Polyline(const std::vector<TPoint>& PixelPoints) {
    CheckPointCount(PixelPoints.size());
    if (!BeginOp() || PixelPoints.empty()) return;
    WriteByte(pcPolyline);
    WriteWord(static_cast<uint16_t>(PixelPoints.size() - 1));
    for (const TPoint& P : PixelPoints)
        WritePixelPoint(P.X, P.Y);
}

void TBaseReport::FillRect(const TRect& PixelRect) {
    if (!BeginOp()) return;
    WriteByte(pcFillRect);
    WritePixelRect(PixelRect);
}

void TBaseReport::FrameRect(const TRect& PixelRect) {
    if (!BeginOp()) return;
    WriteByte(pcFrameRect);
    WritePixelRect(PixelRect);
}

void TBaseReport::DrawFocusRect(const TRect& PixelRect) {
    if (!BeginOp()) return;
    WriteByte(pcFocusRect);
    WritePixelRect(PixelRect);
}

void TBaseReport::FloodFill(double X, double Y, TColor Color, uint8_t FillStyle) {
    if (!BeginOp()) return;
    WriteByte(pcFloodFill);
    WritePoint(X, Y);
    WriteInt(Color);
    WriteInt(FillStyle);
}

void TBaseReport::CopyWithBrush(const TRect& Dest, const TReportGraphic& Bitmap, const TRect& Source,
                                TColor Transparent) {
    if (!BeginOp()) return;
    WriteByte(pcCopyWithBrush);
    WriteGraphic(Bitmap);
    WritePixelRect(Dest);
    WritePixelRect(Source);
    WriteInt(Transparent);
}

void TBaseReport::CopyRect(const TRect&, const TRect&) {
    throw EReportError("CopyRect() not supported in file mode.");
}

void TBaseReport::RecordGraphicPrefix() {
    WriteByte(pcGraphicOptions);
    WriteByte(GraphicOptions_);
}

void TBaseReport::Draw(double X, double Y, const TReportGraphic& Graphic) {
    if (!BeginOp()) return;
    WriteByte(pcDraw);
    WriteGraphic(Graphic);
    WritePoint(X, Y);
}

void TBaseReport::StretchDraw(const TRect& PixelRect, const TReportGraphic& Graphic) {
    if (!BeginOp()) return;
    WriteByte(pcStretchDraw);
    WriteGraphic(Graphic);
    WritePixelRect(PixelRect);
}

void TBaseReport::DrawBitmapScaled(double X, double Y, double ScaleX, double ScaleY,
                                   const TReportGraphic& Bitmap) {
    if (!BeginOp()) return;
    RecordGraphicPrefix();
    WriteByte(pcBitmapScaled);
    WriteGraphic(Bitmap);
    WritePoint(X, Y);
    WriteSingle(ScaleX);
    WriteSingle(ScaleY);
}

void TBaseReport::DrawBitmapRect(double X1, double Y1, double X2, double Y2, const TReportGraphic& Bitmap) {
    if (!BeginOp()) return;
    RecordGraphicPrefix();
    WriteByte(pcBitmapRect);
    WriteGraphic(Bitmap);
    WritePoint(X1, Y1);
    WritePoint(X2, Y2);
}

void TBaseReport::DrawBitmapRect(double X1, double Y1, double X2, double Y2,
                                 const platform::RgbBitmap& Bitmap) {
    if (!BeginOp()) return;
    DrawBitmapRect(X1, Y1, X2, Y2, TReportGraphic::FromBitmap(Bitmap));
}

void TBaseReport::DrawImageData(double X1, double Y1, double X2, double Y2, TStream& Image,
                                const std::string& TypeName) {
    CheckTextLength(TypeName);
    if (!BeginOp()) return;
    const uint64_t Start = Image.Position();
    const uint64_t Size = Image.Size() > Start ? Image.Size() - Start : 0;
    if (Size > INT32_MAX) throw EReportError("Image is too large for the report file.");
    std::vector<uint8_t> Bytes(Size);
    Bytes.resize(Image.Read(Bytes.data(), Bytes.size()));
    RecordGraphicPrefix();
    WriteByte(pcImageData);
    WriteInt(static_cast<int32_t>(Bytes.size()));
    WriteBytes(Bytes.data(), Bytes.size());
    WriteString(TypeName);
    WritePoint(X1, Y1);
    WritePoint(X2, Y2);
}

void TBaseReport::RegisterGraphic(int Index) {
    CheckSlot("RegisterGraphic", Index);
    SlotRegister(Index);
}

void TBaseReport::ReuseGraphic(int Index) {
    CheckSlot("ReuseGraphic", Index);
    SlotReuse(Index);
}

void TBaseReport::UnregisterGraphic(int Index) {
    CheckSlot("UnregisterGraphic", Index);
    SlotUnregister(Index);
}

void TBaseReport::SendRawText(const std::string& Text) {
    CheckTextLength(Text);
    if (!BeginOp()) return;
    WriteByte(pcRawText);
    WriteString(Text);
}

void TBaseReport::SendRawStream(TStream& Source, uint32_t Count) {
    if (!BeginOp()) return;
    const uint64_t Start = Source.Position();
    uint64_t Size = Source.Size() > Start ? Source.Size() - Start : 0;
    if (Count != 0 && Count < Size) Size = Count;
    if (Size > INT32_MAX) throw EReportError("Raw data is too large for the report file.");
    std::vector<uint8_t> Bytes(Size);
    Bytes.resize(Source.Read(Bytes.data(), Bytes.size()));
    WriteByte(pcRawStream);
    WriteInt(static_cast<int32_t>(Bytes.size()));
    WriteBytes(Bytes.data(), Bytes.size());
}

// The recorder itself always keeps receiving output: the classes select what the playback
// devices show, and the recording must carry every command for them.
void TBaseReport::OutputPreviewOnly() {
    CheckPrinting();
    AllowedOutput_ = (1u << ocPreview) | (1u << ocRecorder);
    if (!NoOutput()) WriteByte(pcPreviewOnly);
}

void TBaseReport::OutputPrinterOnly() {
    CheckPrinting();
    AllowedOutput_ = (1u << ocPrinter) | (1u << ocRecorder);
    if (!NoOutput()) WriteByte(pcPrinterOnly);
}

void TBaseReport::OutputEverywhere() {
    CheckPrinting();
    AllowedOutput_ = 0x7;
    if (!NoOutput()) WriteByte(pcEverywhere);
}

void TBaseReport::RequestBin(const std::string& BinName) {
    CheckTextLength(BinName);
    if (!BeginOp()) return;
    WriteByte(pcRequestBin);
    WriteString(BinName);
}

void TBaseReport::SetRenderOption(uint8_t Value) {
    if (!BeginOp()) return;
    WriteByte(pcRenderOption);
    WriteByte(Value);
}
