// The preview's zoom and page arithmetic, free of widgets so it can be checked exactly.
#pragma once

#include "report/ReportSystemTypes.h"

// What the fit calculations read: the screen's resolution, the page size in inches, the margin
// setting and the scroll box's client size in pixels.
struct TPreviewGeometry {
    int XDPI = 96, YDPI = 96;
    double PageWidth = 8.5, PageHeight = 11; // inches
    TMarginMethod MarginMethod = mmFixed;
    double MarginPercent = 0;
    int ClientWidth = 0, ClientHeight = 0; // the scroll box's viewport, scroll bars excluded
    int ScrollBarWidth = 0;                // width of the vertical scroll bar while it shows
};

inline constexpr double MinZoom = 10;
inline constexpr double MaxZoom = 200;
// Values at or below this fit the page width; values above it up to 0 fit the whole page.
inline constexpr double ZoomFitWidth = -2;
inline constexpr double ZoomFitPage = -1;

enum TZoomRequest { zrFitWidth, zrFitPage, zrFactor };
TZoomRequest ClassifyZoom(double Value);
double ClampZoom(double Value);

// Zoom in adds the increment; zoom out subtracts it unless that reaches 0 or less.
double ZoomInValue(double Zoom, double Inc);
double ZoomOutValue(double Zoom, double Inc);

double FitPageZoom(const TPreviewGeometry& G);
double FitWidthZoom(const TPreviewGeometry& G);

// Margin around the page in the page bitmap, in pixels (horizontal and vertical are the same:
// the scaled method derives both from the page width).
int PreviewMargin(const TPreviewGeometry& G, double Zoom);

// Inches to preview pixels: round(Zoom x DPI x Inches / 100) + Offset.
int PreviewInchToPixel(double Zoom, int DPI, double Inches, int Offset);

// Page steps within 1 .. PageCount.
int NextPage(int Current, int Inc, int PageCount);
int PreviousPage(int Current, int Inc, int PageCount);
int ClampPage(int Page, int PageCount);
