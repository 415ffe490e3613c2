// Page content: the coordinate transform, the graphics-state cache and the operators of every
// shape and of text.
#include "pdf/PdfFormat.h"
#include "pdf/TRenderPDF.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pdf {

namespace {

// Lines, polylines and arcs are stroked without a fill; a filled rectangle has no outline.
TReportBrush ClearBrush(TReportBrush brush) {
    brush.Style = bsClear;
    return brush;
}

TReportPen ClearPen(TReportPen pen) {
    pen.Style = psClear;
    return pen;
}

bool Visible(const TReportPen& pen) {
    return pen.Style != psClear;
}

bool Visible(const TReportBrush& brush) {
    return brush.Style != bsClear;
}

std::string Point(double x, double y) {
    return FormatCoordinate(x) + " " + FormatCoordinate(y);
}

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

// Angle of (px, py) around (cx, cy) in degrees, counter-clockwise as seen on the page.
double ArcAngle(double cx, double cy, double px, double py) {
    if (px > cx) {
        double angle = 360 - std::atan((py - cy) / (px - cx)) * 180 / std::numbers::pi;
        return angle > 360 ? angle - 360 : angle;
    }
    if (px < cx) return 180 - std::atan((py - cy) / (px - cx)) * 180 / std::numbers::pi;
    return py < cy ? 90 : 270;
}

const char* DashPattern(int penStyle) {
    switch (penStyle) {
    case psDash:
        return "[13 6] 0 d";
    case psDot:
        return "[2] 0 d";
    case psDashDot:
        return "[8 4 1 4] 0 d";
    case psDashDotDot:
        return "[10 3 2 2 2 3] 0 d";
    default:
        return "[] 0 d";
    }
}

} // namespace

void TRenderPDF::TakeColorsFromReader() {
    CurrentPage->PenColor = Pen.Color;
    CurrentPage->BrushColor = Brush.Color;
}

void TRenderPDF::WritePenState(const TReportPen& pen, double width) {
    TPDFPage& page = *CurrentPage;
    const int style = pen.Style;
    if (page.LastPenStyle != style) {
        PutLine(DashPattern(style));
        page.LastPenStyle = style;
    }
    if (page.LastStrokeColor != page.PenColor) {
        PutLine(PDFColor(page.PenColor) + " RG");
        page.LastStrokeColor = page.PenColor;
        page.LastTextColor.reset();
    }
    if (page.LastFillColor != page.BrushColor) {
        PutLine(PDFColor(page.BrushColor) + " rg");
        page.LastFillColor = page.BrushColor;
        page.LastTextColor.reset();
    }
    if (page.LastLineWidth != width) {
        PutLine(FormatCoordinate(width * 72) + " w ");
        page.LastLineWidth = width;
    }
}

void TRenderPDF::WritePaint(const TReportPen& pen, const TReportBrush& brush) {
    if (Visible(pen) && Visible(brush))
        PutLine("b");
    else if (Visible(brush))
        PutLine("f");
    else if (Visible(pen))
        PutLine("S");
    else
        PutLine("n"); // nothing to paint: end the path, or the next paint would draw it
}

void TRenderPDF::PageMoveTo(double X, double Y, const TReportPen& pen, double width) {
    WritePenState(pen, width);
    PutLine(Point(XPos(X), YPos(Y)) + " m");
}

void TRenderPDF::PageLineTo(double X, double Y, bool Paint, const TReportPen& pen, const TReportBrush& brush,
                            double width) {
    WritePenState(pen, width);
    Put(Point(XPos(X), YPos(Y)) + " l ");
    if (Paint) WritePaint(pen, brush);
}

void TRenderPDF::PageCurveTo(double X1, double Y1, double X2, double Y2, double X3, double Y3) {
    PutLine(Point(XPos(X1), YPos(Y1)) + " " + Point(XPos(X2), YPos(Y2)) + " " + Point(XPos(X3), YPos(Y3)) +
            " c");
}

void TRenderPDF::PageRectangle(double X1, double Y1, double X2, double Y2, bool Clip, const TReportPen& pen,
                               const TReportBrush& brush) {
    if (!Visible(pen) && !Visible(brush)) return;
    WritePenState(pen, PenWidth());
    Put(Point(XPos(X1), YPos(Y1)) + " " + FormatCoordinate((X2 - X1) * 72) + " " +
        FormatCoordinate(YPos(Y2) - YPos(Y1)) + " re ");
    // The clip takes effect after the paint operator, which paints the rectangle first.
    if (Clip) PutLine("W ");
    WritePaint(pen, brush);
}

void TRenderPDF::RenderMoveTo(double X, double Y) {
    if (!CurrentPage) return;
    PageMoveTo(X, Y, Pen, PenWidth());
}

void TRenderPDF::RenderLineTo(double X, double Y) {
    if (!CurrentPage) return;
    CurrentPage->PenColor = Pen.Color;
    PageLineTo(X, Y, true, Pen, ClearBrush(Brush), PenWidth());
}

void TRenderPDF::RenderRectangle(double X1, double Y1, double X2, double Y2) {
    if (!CurrentPage) return;
    TakeColorsFromReader();
    PageRectangle(X1, Y1, X2, Y2, false, Pen, Brush);
}

void TRenderPDF::RenderFillRect(const TRect& Rect) {
    if (!CurrentPage) return;
    TakeColorsFromReader();
    PageRectangle(Rect.Left / 72.0, Rect.Top / 72.0, Rect.Right / 72.0, Rect.Bottom / 72.0, false,
                  ClearPen(Pen), Brush);
}

TRenderPDF::TEllipsePoints TRenderPDF::EllipsePoints(double X1, double Y1, double X2, double Y2) const {
    double inset = 0;
    switch (RenderOption()) {
    case 0:
        inset = PenWidth() / 2;
        break;
    case 2:
        inset = -(PenWidth() / 2);
        break;
    default:
        inset = 0;
        break;
    }
    const double k = (std::numbers::sqrt2 - 1) * 4 / 3;
    TEllipsePoints e{};
    auto fill = [&](double low, double high, double* v) {
        const double a = low + inset;
        const double b = high - inset;
        v[0] = b <= a ? b : a;
        v[4] = b < a ? a : b;
        v[2] = (a + b) / 2;
        v[1] = v[2] - (v[2] - v[0]) * k;
        v[3] = v[2] + (v[2] - v[0]) * k;
    };
    fill(X1, X2, e.x);
    fill(Y1, Y2, e.y);
    return e;
}

void TRenderPDF::RenderEllipse(double X1, double Y1, double X2, double Y2) {
    if (!CurrentPage) return;
    TakeColorsFromReader();
    const TEllipsePoints e = EllipsePoints(X1, Y1, X2, Y2);
    const double* x = e.x;
    const double* y = e.y;
    PageMoveTo(x[2], y[0], Pen, PenWidth());
    PageCurveTo(x[3], y[0], x[4], y[1], x[4], y[2]);
    PageCurveTo(x[4], y[3], x[3], y[4], x[2], y[4]);
    PageCurveTo(x[1], y[4], x[0], y[3], x[0], y[2]);
    PageCurveTo(x[0], y[1], x[1], y[0], x[2], y[0]);
    WritePaint(Pen, Brush);
}

void TRenderPDF::RenderRoundRect(double X1, double Y1, double X2, double Y2, double W, double H) {
    if (!CurrentPage) return;
    TakeColorsFromReader();
    WritePenState(Pen, PenWidth());
    const TEllipsePoints e = EllipsePoints(X1, Y1, X1 + W, Y1 + H);
    const double* x = e.x;
    const double* y = e.y;
    const double dx = X2 - X1 - W;
    const double dy = Y2 - Y1 - H;
    const auto lineTo = [this](double px, double py) { PageLineTo(px, py, false, Pen, Brush, PenWidth()); };
    PageMoveTo(x[2], y[0], Pen, PenWidth());
    lineTo(x[2] + dx, y[0]);
    PageCurveTo(x[3] + dx, y[0], x[4] + dx, y[1], x[4] + dx, y[2]);
    lineTo(x[4] + dx, y[2] + dy);
    PageCurveTo(x[4] + dx, y[3] + dy, x[3] + dx, y[4] + dy, x[2] + dx, y[4] + dy);
    lineTo(x[2], y[4] + dy);
    PageCurveTo(x[1], y[4] + dy, x[0], y[3] + dy, x[0], y[2] + dy);
    lineTo(x[0], y[2]);
    PageCurveTo(x[0], y[1], x[1], y[0], x[2], y[0]);
    WritePaint(Pen, Brush);
}

bool TRenderPDF::ArcPath(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                         double Y4, bool Paint, bool Close, const TReportBrush& brush) {
    WritePenState(Pen, PenWidth());
    PutLine("% arc code");
    const double cx = (X1 + X2) / 2;
    const double cy = (Y1 + Y2) / 2;
    const double r = (X2 - X1) / 2;
    const double a1 = ArcAngle(cx, cy, X3, Y3);
    const double a2 = ArcAngle(cx, cy, X4, Y4);
    if (a1 == a2) {
        // No path: a lone paint operator or line segment would have no current point.
        if (Paint && !Close) PutLine("S");
        return false;
    }
    {
        double sweep = a2 - a1;
        if (sweep < 0) sweep += 360;
        const double dir = a2 < a1 ? -1 : 1;
        int n = 1;
        while (n < 4 && std::fabs(sweep) / n > 90)
            ++n;
        const double seg = sweep / n;
        const double half = seg / 2;
        double mid = a1 + half;
        for (int i = 0; i < n; ++i) {
            const double h = Radians(std::fabs(half));
            const double c = std::cos(h);
            const double s = std::sin(h);
            const double px[4] = {r * c, (4 - c) * r / 3, (4 - c) * r / 3, r * c};
            const double p1y = dir * r * (1 - c) * (c - 3) / (3 * s);
            const double py[4] = {-dir * r * s, p1y, -p1y, dir * r * s};
            const double m = Radians(mid);
            for (int j = 0; j < 4; ++j) {
                ArcSegments[i][j] = cx + (px[j] * std::cos(m) - py[j] * std::sin(m));
                ArcSegments[i][4 + j] = cy - (px[j] * std::sin(m) + py[j] * std::cos(m));
            }
            mid += seg;
        }
        auto curve = [this](const std::array<double, 8>& s) {
            PageCurveTo(s[1], s[5], s[2], s[6], s[3], s[7]);
        };
        if (a2 - a1 >= 0) {
            PageMoveTo(ArcSegments[0][0], ArcSegments[0][4], Pen, PenWidth());
            for (int i = 0; i < n; ++i)
                curve(ArcSegments[i]);
        } else {
            PageMoveTo(ArcSegments[n - 1][0], ArcSegments[n - 1][4], Pen, PenWidth());
            for (int i = n - 1; i >= 0; --i)
                curve(ArcSegments[i]);
        }
    }
    if (Paint) {
        if (Close)
            WritePaint(Pen, brush);
        else
            PutLine("S");
    }
    return true;
}

void TRenderPDF::RenderArc(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                           double Y4) {
    if (!CurrentPage) return;
    TakeColorsFromReader();
    ArcPath(X1, Y1, X2, Y2, X3, Y3, X4, Y4, true, false, ClearBrush(Brush));
}

void TRenderPDF::RenderChord(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                             double Y4) {
    if (!CurrentPage) return;
    TakeColorsFromReader();
    ArcPath(X1, Y1, X2, Y2, X3, Y3, X4, Y4, true, true, Brush);
}

void TRenderPDF::RenderPie(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                           double Y4) {
    if (!CurrentPage) return;
    TakeColorsFromReader();
    if (ArcPath(X1, Y1, X2, Y2, X3, Y3, X4, Y4, false, false, Brush))
        PageLineTo((X1 + X2) / 2, (Y1 + Y2) / 2, true, Pen, Brush, PenWidth());
}

void TRenderPDF::RenderPolyline(const std::vector<TPoint>& Points, int HighIndex) {
    if (!CurrentPage) return;
    CurrentPage->PenColor = Pen.Color;
    const size_t count = std::min(Points.size(), static_cast<size_t>(std::max(HighIndex + 1, 0)));
    for (size_t i = 0; i < count; ++i) {
        PageLineTo(Points[i].X / 1248.0, Points[i].Y / 1248.0, false, Pen, Brush, PenWidth());
        if ((i + 1) % 4 == 0) PutLine("");
    }
    WritePaint(Pen, ClearBrush(Brush));
}

void TRenderPDF::RenderPolygon(const std::vector<TPoint>& Points, int HighIndex) {
    if (!CurrentPage) return;
    TakeColorsFromReader();
    const size_t count = std::min(Points.size(), static_cast<size_t>(std::max(HighIndex + 1, 0)));
    for (size_t i = 0; i < count; ++i)
        PageLineTo(Points[i].X / 1248.0, Points[i].Y / 1248.0, false, Pen, Brush, PenWidth());
    WritePaint(Pen, Brush);
}

} // namespace pdf
