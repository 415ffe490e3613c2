// Change-only recording of the brush, font and pen.
#include <cmath>

#include "report/NDRWriter.h"
#include "report/PageStreamCodes.h"
#include "report/TextMeasurer.h"

void TNDRWriter::RecordFont() {
    WriteFont(!Last_.Valid);
}
void TNDRWriter::RecordPen() {
    WritePen(!Last_.Valid);
}
void TNDRWriter::RecordBrush() {
    WriteBrush(!Last_.Valid);
}

double TNDRWriter::SampleWidth() const {
    const double Cell = std::round(Device_.YDPI * Font_.Size / 72);
    const double Em = Measurer().EmForCellHeight(Font_, Cell);
    return Measurer().TextWidth(Font_, Em, SampleText) / Device_.XDPI;
}

void TNDRWriter::WriteFont(bool Force) {
    TReportFont& L = Last_.Font;
    const TReportFont& F = Font_;
    bool SizeDue = Force || FontHeight_ != Last_.FontSize;
    auto Changed = [Force](auto& Last, const auto& Now) {
        if (!Force && Last == Now) return false;
        Last = Now;
        return true;
    };
    if (Changed(L.Name, F.Name)) {
        PutByte(pcFontName);
        PutString(F.Name);
        SizeDue = true;
    }
    if (Changed(L.Color, F.Color)) {
        PutByte(pcFontColor);
        PutInt(F.Color);
    }
    if (Changed(L.Pitch, F.Pitch)) {
        PutByte(pcFontPitch);
        PutByte(F.Pitch);
        SizeDue = true;
    }
    if (Changed(L.CharSet, F.CharSet)) {
        PutByte(pcFontCharSet);
        PutByte(F.CharSet);
        SizeDue = true;
    }
    if (Changed(L.Bold, F.Bold)) {
        PutByte(pcFontBold);
        PutByte(F.Bold);
        SizeDue = true;
    }
    if (Changed(L.Italic, F.Italic)) {
        PutByte(pcFontItalic);
        PutByte(F.Italic);
        SizeDue = true;
    }
    if (Changed(L.Underline, F.Underline)) {
        PutByte(pcFontUnderline);
        PutByte(F.Underline);
        SizeDue = true;
    }
    if (Changed(L.StrikeOut, F.StrikeOut)) {
        PutByte(pcFontStrikeOut);
        PutByte(F.StrikeOut);
        SizeDue = true;
    }
    if (Changed(L.Superscript, F.Superscript)) {
        PutByte(pcFontSuperscript);
        PutByte(F.Superscript);
    }
    if (Changed(L.Subscript, F.Subscript)) {
        PutByte(pcFontSubscript);
        PutByte(F.Subscript);
    }
    if (Changed(L.Rotation, F.Rotation)) {
        PutByte(pcFontRotation);
        PutWord(F.Rotation);
    }
    if (Changed(L.Align, F.Align)) {
        PutByte(pcFontAlign);
        PutByte(F.Align);
    }
    L.Size = F.Size;
    if (SizeDue) {
        Last_.FontSize = FontHeight_;
        PutByte(pcFontSize);
        PutSingle(FontHeight_);
        PutSingle(SampleWidth());
    }
}

void TNDRWriter::WritePen(bool Force) {
    TReportPen& L = Last_.Pen;
    const TReportPen& P = Pen_;
    if (Force || L.Color != P.Color) {
        PutByte(pcPenColor);
        PutInt(P.Color);
    }
    if (Force || L.Mode != P.Mode) {
        PutByte(pcPenMode);
        PutByte(P.Mode);
    }
    if (Force || L.Style != P.Style) {
        PutByte(pcPenStyle);
        PutByte(P.Style);
    }
    if (Force || L.Width != P.Width) {
        PutByte(pcPenWidth);
        PutSingle(P.Width / Device_.XDPI);
    }
    L = P;
}

void TNDRWriter::WriteBrush(bool Force) {
    TReportBrush& L = Last_.Brush;
    const TReportBrush& B = Brush_;
    if (Force || L.Color != B.Color) {
        PutByte(pcBrushColor);
        PutInt(B.Color);
    }
    if (Force || L.Style != B.Style) {
        PutByte(pcBrushStyle);
        PutByte(B.Style);
    }
    if (!B.Pattern.Empty() && (Force || !(L.Pattern == B.Pattern))) {
        PutByte(pcBrushPattern);
        PutByte(pcArc);
        PutGraphic(B.Pattern);
    } else if (B.Pattern.Empty() && (Force || !L.Pattern.Empty())) {
        PutByte(pcBrushPattern);
        PutByte(0);
    }
    L = B;
}
