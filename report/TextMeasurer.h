// Text measurement for the report engine: the recording surface measures on its reference device
// (300 pixels per inch without a printer) and the page-stream reader on a 1248 pixel-per-inch
// canvas. Sizes are in pixels of the device the caller works on; an em is the font's size.
#pragma once

#include <string_view>

#include "report/ReportTypes.h"

struct TFontExtent {
    double Ascent = 0;  // pixels above the baseline
    double Descent = 0; // pixels below the baseline
};

class TTextMeasurer {
  public:
    virtual ~TTextMeasurer() = default;
    // The em that gives Font a cell height (ascent + descent) of CellPixels.
    virtual double EmForCellHeight(const TReportFont& Font, double CellPixels) = 0;
    // Width in pixels of the 8-bit (Windows-1252) Text in Font at an em of EmPixels.
    virtual double TextWidth(const TReportFont& Font, double EmPixels, std::string_view Text) = 0;
    virtual TFontExtent Extent(const TReportFont& Font, double EmPixels) = 0;
};

// The process-wide measurer on the platform font service (fontconfig + FreeType). Never null.
TTextMeasurer& DefaultTextMeasurer();
