#include "report/qt/PreviewZoom.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int ClientBorder = 4; // the scroll box's frame eats 4 pixels of its client size

// The smallest zoom a fit may give: a tiny window must still give a drawable page.
constexpr double MinFitZoom = 1;

double WidthTerm(const TPreviewGeometry& G, int clientWidth) {
    const double pageWidth = G.XDPI * G.PageWidth;
    if (G.MarginMethod == mmScaled) return clientWidth / (pageWidth * (G.MarginPercent / 50 + 1));
    const int m = static_cast<int>(std::lround(pageWidth * G.MarginPercent / 100));
    return (clientWidth - 2.0 * m) / pageWidth;
}

double HeightTerm(const TPreviewGeometry& G, int clientHeight) {
    if (G.MarginMethod == mmScaled)
        return clientHeight / (G.XDPI * G.PageWidth * G.MarginPercent / 50 + G.YDPI * G.PageHeight);
    const int m = static_cast<int>(std::lround(G.XDPI * G.PageWidth * G.MarginPercent / 100));
    return (clientHeight - 2.0 * m) / (G.YDPI * G.PageHeight);
}

bool Degenerate(const TPreviewGeometry& G) {
    return G.XDPI <= 0 || G.YDPI <= 0 || !(G.PageWidth > 0) || !(G.PageHeight > 0);
}

} // namespace

TZoomRequest ClassifyZoom(double Value) {
    if (Value <= -1.9) return zrFitWidth;
    if (Value <= 0) return zrFitPage;
    return zrFactor;
}

double ClampZoom(double Value) {
    return std::clamp(Value, MinZoom, MaxZoom);
}

double ZoomInValue(double Zoom, double Inc) {
    return Zoom + Inc;
}

double ZoomOutValue(double Zoom, double Inc) {
    return Zoom - Inc <= 0 ? Zoom : Zoom - Inc;
}

double FitPageZoom(const TPreviewGeometry& G) {
    if (Degenerate(G)) return 100;
    const double w = WidthTerm(G, G.ClientWidth - ClientBorder);
    const double h = HeightTerm(G, G.ClientHeight - ClientBorder);
    return std::max(MinFitZoom, 100 * std::min(w, h));
}

double FitWidthZoom(const TPreviewGeometry& G) {
    if (Degenerate(G)) return 100;
    const int client = G.ClientWidth - ClientBorder;
    double zoom = 100 * WidthTerm(G, client - G.ScrollBarWidth);
    // When the page then fits vertically there is no scroll bar: use its width too.
    const double pageHeight = G.YDPI * G.PageHeight * zoom / 100 + 2.0 * PreviewMargin(G, zoom);
    if (G.ScrollBarWidth > 0 && pageHeight <= G.ClientHeight - ClientBorder)
        zoom = 100 * WidthTerm(G, client);
    return std::max(MinFitZoom, zoom);
}

int PreviewMargin(const TPreviewGeometry& G, double Zoom) {
    const double pageWidth = G.XDPI * G.PageWidth;
    if (G.MarginMethod == mmScaled)
        return static_cast<int>(std::lround(pageWidth * Zoom / 100 * G.MarginPercent / 100));
    return static_cast<int>(std::lround(pageWidth * G.MarginPercent / 100));
}

int PreviewInchToPixel(double Zoom, int DPI, double Inches, int Offset) {
    return static_cast<int>(std::lround(Zoom * DPI * Inches / 100)) + Offset;
}

int ClampPage(int Page, int PageCount) {
    return std::clamp(Page, 1, std::max(1, PageCount));
}

int NextPage(int Current, int Inc, int PageCount) {
    return ClampPage(Current + std::max(1, Inc), PageCount);
}

int PreviousPage(int Current, int Inc, int PageCount) {
    return ClampPage(Current - std::max(1, Inc), PageCount);
}
