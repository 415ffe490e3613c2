// Change-only recording of the brush, font and pen.
#include <cmath>

#include "report/NDRWriter.h"
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
        PutByte(51);
        PutString(F.Name);
        SizeDue = true;
    }
    if (Changed(L.Color, F.Color)) {
        PutByte(52);
        PutInt(F.Color);
    }
    if (Changed(L.Pitch, F.Pitch)) {
        PutByte(53);
        PutByte(F.Pitch);
        SizeDue = true;
    }
    if (Changed(L.CharSet, F.CharSet)) {
        PutByte(63);
        PutByte(F.CharSet);
        SizeDue = true;
    }
    if (Changed(L.Bold, F.Bold)) {
        PutByte(55);
        PutByte(F.Bold);
        SizeDue = true;
    }
    if (Changed(L.Italic, F.Italic)) {
        PutByte(57);
        PutByte(F.Italic);
        SizeDue = true;
    }
    if (Changed(L.Underline, F.Underline)) {
        PutByte(56);
        PutByte(F.Underline);
        SizeDue = true;
    }
    if (Changed(L.StrikeOut, F.StrikeOut)) {
        PutByte(58);
        PutByte(F.StrikeOut);
        SizeDue = true;
    }
    if (Changed(L.Superscript, F.Superscript)) {
        PutByte(59);
        PutByte(F.Superscript);
    }
    if (Changed(L.Subscript, F.Subscript)) {
        PutByte(60);
        PutByte(F.Subscript);
    }
    if (Changed(L.Rotation, F.Rotation)) {
        PutByte(61);
        PutWord(F.Rotation);
    }
    if (Changed(L.Align, F.Align)) {
        PutByte(62);
        PutByte(F.Align);
    }
    L.Size = F.Size;
    if (SizeDue) {
        Last_.FontSize = FontHeight_;
        PutByte(54);
        PutSingle(FontHeight_);
        PutSingle(SampleWidth());
    }
}

void TNDRWriter::WritePen(bool Force) {
    TReportPen& L = Last_.Pen;
    const TReportPen& P = Pen_;
    if (Force || L.Color != P.Color) {
        PutByte(71);
        PutInt(P.Color);
    }
    if (Force || L.Mode != P.Mode) {
        PutByte(72);
        PutByte(P.Mode);
    }
    if (Force || L.Style != P.Style) {
        PutByte(73);
        PutByte(P.Style);
    }
    if (Force || L.Width != P.Width) {
        PutByte(74);
        PutSingle(P.Width / Device_.XDPI);
    }
    L = P;
}

void TNDRWriter::WriteBrush(bool Force) {
    TReportBrush& L = Last_.Brush;
    const TReportBrush& B = Brush_;
    if (Force || L.Color != B.Color) {
        PutByte(41);
        PutInt(B.Color);
    }
    if (Force || L.Style != B.Style) {
        PutByte(42);
        PutByte(B.Style);
    }
    if (!B.Pattern.Empty() && (Force || !(L.Pattern == B.Pattern))) {
        PutByte(43);
        PutByte(1);
        PutGraphic(B.Pattern);
    } else if (B.Pattern.Empty() && (Force || !L.Pattern.Empty())) {
        PutByte(43);
        PutByte(0);
    }
    L = B;
}
