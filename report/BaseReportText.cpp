// Fonts, line metrics and text on the drawing surface.
#include <cmath>

#include "report/BaseReport.h"
#include "report/PageStreamCodes.h"
#include "report/ReportError.h"
#include "report/TextMeasurer.h"

namespace {
constexpr char FormatStart = 1;
constexpr char MacroMarker = static_cast<char>(253);
} // namespace

double TBaseReport::ReferenceCellHeight() const {
    return std::round(Device_.YDPI * Font_.Size / 72 * ScaleY_ / 100);
}

void TBaseReport::UpdateFont() {
    if (SuspendFontRecording_) return;
    FontHeight_ = ReferenceCellHeight() / Device_.YDPI;
    if (Printing_ && !NoOutput()) RecordFont();
}

void TBaseReport::SelectFont(const std::string& Name, double Size) {
    if (!(Size > 0)) return;
    SuspendFontRecording_ = true;
    SetFontName(Name);
    SetFontColor(0);
    SetFontPitch(fpDefault);
    SetFontCharSet(1);
    SetFontSize(Size);
    SetBold(false);
    SetItalic(false);
    SetUnderline(false);
    SetStrikeOut(false);
    SetSuperscript(false);
    SetSubscript(false);
    SetFontRotation(0);
    SetFontAlign(0);
    SuspendFontRecording_ = false;
    UpdateFont();
}

void TBaseReport::SetFontName(const std::string& Value) {
    Font_.Name = Value;
    UpdateFont();
}
void TBaseReport::SetFontSize(double Points) {
    if (!(Points > 0)) return;
    Font_.Size = Points;
    UpdateFont();
}
void TBaseReport::SetFontColor(TColor Value) {
    Font_.Color = Value;
    UpdateFont();
}
void TBaseReport::SetFontPitch(uint8_t Value) {
    Font_.Pitch = Value;
    UpdateFont();
}
void TBaseReport::SetFontCharSet(uint8_t Value) {
    Font_.CharSet = Value;
    UpdateFont();
}
void TBaseReport::SetBold(bool Value) {
    Font_.Bold = Value;
    UpdateFont();
}
void TBaseReport::SetItalic(bool Value) {
    Font_.Italic = Value;
    UpdateFont();
}
void TBaseReport::SetUnderline(bool Value) {
    Font_.Underline = Value;
    UpdateFont();
}
void TBaseReport::SetStrikeOut(bool Value) {
    Font_.StrikeOut = Value;
    UpdateFont();
}
void TBaseReport::SetSuperscript(bool Value) {
    Font_.Superscript = Value;
    UpdateFont();
}
void TBaseReport::SetSubscript(bool Value) {
    Font_.Subscript = Value;
    UpdateFont();
}
void TBaseReport::SetFontRotation(uint16_t Degrees) {
    Font_.Rotation = Degrees;
    UpdateFont();
}
void TBaseReport::SetFontAlign(uint8_t Value) {
    Font_.Align = Value;
    UpdateFont();
}

void TBaseReport::SetPenColor(TColor Value) {
    Pen_.Color = Value;
    if (Printing_ && !NoOutput()) RecordPen();
}
void TBaseReport::SetPenMode(uint8_t Value) {
    Pen_.Mode = Value;
    if (Printing_ && !NoOutput()) RecordPen();
}
void TBaseReport::SetPenStyle(uint8_t Value) {
    Pen_.Style = Value;
    if (Printing_ && !NoOutput()) RecordPen();
}
void TBaseReport::SetPenWidth(double Pixels) {
    Pen_.Width = Pixels;
    if (Printing_ && !NoOutput()) RecordPen();
}
void TBaseReport::SetBrushColor(TColor Value) {
    Brush_.Color = Value;
    if (Printing_ && !NoOutput()) RecordBrush();
}
void TBaseReport::SetBrushStyle(uint8_t Value) {
    Brush_.Style = Value;
    if (Printing_ && !NoOutput()) RecordBrush();
}
void TBaseReport::SetBrushPattern(const TReportGraphic& Bitmap) {
    Brush_.Pattern = Bitmap;
    if (Printing_ && !NoOutput()) RecordBrush();
}

void TBaseReport::UpdateLineMetrics() {
    const double Cell = ReferenceCellHeight();
    const double Em = Measurer_->EmForCellHeight(Font_, Cell);
    const TFontExtent Extent = Measurer_->Extent(Font_, Em);
    Ascent_ = Extent.Ascent / Device_.YDPI;
    Descent_ = Extent.Descent / Device_.YDPI;
    if (LineHeightMethod_ == lhmLinesPerInch && LinesPerInch_ > 0)
        LineHeight_ = 1.0 / LinesPerInch_;
    else if (LineHeightMethod_ == lhmFont)
        LineHeight_ = Font_.Size / 60;
    if (!Printing_ || NoOutput()) return;
    if (Ascent_ == LastAscent_ && Descent_ == LastDescent_ && LineHeight_ == LastLineHeight_) return;
    WriteByte(pcLineMetrics);
    WriteSingle(Ascent_);
    WriteSingle(Descent_);
    WriteSingle(LineHeight_);
    LastAscent_ = Ascent_;
    LastDescent_ = Descent_;
    LastLineHeight_ = LineHeight_;
}

double TBaseReport::TextWidth(const std::string& Text) const {
    const double Cell = ReferenceCellHeight();
    const double Em = Measurer_->EmForCellHeight(Font_, Cell);
    return Measurer_->TextWidth(Font_, Em, Text) / Device_.XDPI * UnitsFactor_;
}

void TBaseReport::PrintAt(double X, double Y, const std::string& Text) {
    CheckPrinting();
    UpdateLineMetrics();
    CurrentY_ = Y / UnitsFactor_;
    const double StartX = X / UnitsFactor_;
    double RunX = StartX;
    size_t Begin = 0;
    for (;;) {
        const size_t Tab = Text.find('\t', Begin);
        const std::string Piece =
            Text.substr(Begin, Tab == std::string::npos ? std::string::npos : Tab - Begin);
        CurrentX_ = RunX;
        if (!Piece.empty()) TextLeftAt(Piece, RunX);
        if (Tab == std::string::npos) break;
        // The next stop is the next multiple of the tab width after the text, from StartX.
        const double Steps = std::floor((CurrentX_ - StartX) / TabWidth + 1e-9) + 1;
        RunX = StartX + Steps * TabWidth;
        Begin = Tab + 1;
    }
}

void TBaseReport::TextAt(uint8_t Code, const std::string& Text, double X) {
    CheckPrinting();
    CheckTextLength(Text);
    const double Width = TextWidth(Text) / UnitsFactor_;
    const bool Plain =
        Text.find(FormatStart) == std::string::npos && Text.find(MacroMarker) == std::string::npos;
    if (AccuracyMethod_ == amPositioning && Font_.Rotation == 0 && Plain &&
        Text.find(' ') != std::string::npos) {
        // Record the width measured here, so that any device can spread the words to match it.
        const double W = Width * 100 / ScaleX_ * 100 / ScaleX_;
        const double Start = Code == pcLeftText ? X : (Code == pcCenterText ? X - W / 2 : X - W);
        TextJustifiedAt(Text, Start, W);
        return;
    }
    if (!NoOutput()) {
        WriteByte(Code);
        WriteInchY(CurrentY_);
        WriteString(Text);
        WriteInchX(X);
    }
    CurrentX_ = Code == pcLeftText ? X + Width : (Code == pcCenterText ? X + Width / 2 : X);
}

void TBaseReport::TextLeftAt(const std::string& Text, double X) {
    TextAt(pcLeftText, Text, X);
}
void TBaseReport::TextCenteredAt(const std::string& Text, double X) {
    TextAt(pcCenterText, Text, X);
}
void TBaseReport::TextRightAt(const std::string& Text, double X) {
    TextAt(pcRightText, Text, X);
}

void TBaseReport::TextJustifiedAt(const std::string& Text, double X, double Width) {
    CheckTextLength(Text);
    if (BeginOp()) {
        WriteByte(pcBlockText);
        WriteInchY(CurrentY_);
        WriteString(Text);
        WriteInchX(X);
        WriteSingle(Width * ScaleX_ / 100);
    }
    CurrentX_ = X + Width;
}

void TBaseReport::TextRect(const TRect& PixelRect, double X, double Y, const std::string& Text) {
    CheckTextLength(Text);
    if (!BeginOp()) return;
    WriteByte(pcTextRect);
    WritePixelRect(PixelRect);
    WritePoint(X, Y);
    WriteString(Text);
}
