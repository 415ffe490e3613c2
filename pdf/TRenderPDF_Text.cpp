// Text operators: position with the font's offset, rotation, underline and strike-out, and
// text clipped to a rectangle.
#include "pdf/PdfFormat.h"
#include "pdf/TRenderPDF.h"

#include <cmath>
#include <numbers>
#include <strings.h>

namespace pdf {

namespace {

bool IsCourier(const std::string& baseFont) {
    const std::string family = baseFont.substr(0, baseFont.find('-'));
    return strcasecmp(family.c_str(), "Courier") == 0 || strcasecmp(baseFont.c_str(), "Courier") == 0;
}

} // namespace

void TRenderPDF::PageText(const std::string& Text, double X, double Y) {
    if (!CurrentFont) CurrentFont = FindFont(MapFontName("Helvetica", false, false), false, false);
    TPDFPage& page = *CurrentPage;
    const TPDFFont& font = *CurrentFont;
    PutLine("BT");
    if (page.LastTextColor != page.TextColor) {
        PutLine(PDFColor(page.TextColor) + " rg");
        page.LastTextColor = page.TextColor;
        page.LastStrokeColor.reset();
        page.LastFillColor.reset();
    }
    PutLine("/" + font.ResourceName + " " + FormatInt4(FontSize) + " Tf");
    // Moves the start left so the glyphs, drawn from their origin, sit where the reader measured.
    const double offset = IsCourier(font.BaseFont) ? FontSize / 72.0 * 0.65 : FontSize * 0.275 / 72;
    PutLine(FormatCoordinate(XPos(X - offset)) + " " + FormatCoordinate(YPos(Y)) + " Td");
    if (FontAngle != 0) {
        const double a = std::numbers::pi * FontAngle / 180;
        PutLine(FormatFixed4(std::cos(a)) + " " + FormatFixed4(std::sin(a)) + " " +
                FormatFixed4(-std::sin(a)) + " " + FormatFixed4(std::cos(a)) + " " +
                FormatCoordinate(XPos(X)) + " " + FormatCoordinate(YPos(Y)) + " Tm");
    }
    PutLine("( " + EscapeText(Text) + " ) Tj");
    PutLine("ET");
    if (FontAngle != 0 || (!Underline && !StrikeOut)) return;
    const double end = X + TextWidth(font, Text, FontSize);
    if (Underline) {
        const double w = (FontSize + 1) * 0.0014;
        const double y = Y + 1.5 * w;
        PageMoveTo(X, y, Pen, w);
        PageLineTo(end, y, true, Pen, Brush, w);
    }
    if (StrikeOut) {
        const double w = (FontSize + 1) * 0.0006;
        const double y = Y - FontSize / 72.0 * 0.22;
        PageMoveTo(X, y, Pen, w);
        PageLineTo(end, y, true, Pen, Brush, w);
    }
}

void TRenderPDF::ShiftBack(double& X, double& Y, double Distance) const {
    if (FontAngle >= 0 && FontAngle < 360) {
        const double a = std::numbers::pi * FontAngle / 180;
        X -= Distance * std::cos(a);
        Y += Distance * std::sin(a);
    } else {
        X -= Distance;
    }
}

void TRenderPDF::RenderLeftText(const std::string& Text, double X, double Y) {
    if (!CurrentPage) return;
    PageText(Text, X, Y);
}

void TRenderPDF::RenderCenterText(const std::string& Text, double X, double Y) {
    if (!CurrentPage) return;
    if (!CurrentFont) CurrentFont = FindFont(MapFontName("Helvetica", false, false), false, false);
    ShiftBack(X, Y, TextWidth(*CurrentFont, Text, FontSize) / 2);
    PageText(Text, X, Y);
}

void TRenderPDF::RenderRightText(const std::string& Text, double X, double Y) {
    if (!CurrentPage) return;
    if (!CurrentFont) CurrentFont = FindFont(MapFontName("Helvetica", false, false), false, false);
    ShiftBack(X, Y, TextWidth(*CurrentFont, Text, FontSize));
    PageText(Text, X, Y);
}

void TRenderPDF::RenderBlockText(const std::string& Text, double X, double Y, double /*Width*/) {
    RenderLeftText(Text, X, Y);
}

void TRenderPDF::RenderTextRect(const TRect& Rect, const std::string& Text, double X, double Y) {
    if (!CurrentPage) return;
    PutLine(" q ");
    SetPenWidth(0);
    PageRectangle(Rect.Left / 72.0, Rect.Top / 72.0, Rect.Right / 72.0, Rect.Bottom / 72.0, true, Pen, Brush);
    PageText(Text, X, Y);
    PutLine(" Q ");
}

} // namespace pdf
