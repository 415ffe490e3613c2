// Text measurement for the report engine: the recording surface measures on its reference device
// (300 pixels per inch without a printer) and the page-stream reader on a 1248 pixel-per-inch
// canvas. Sizes are in pixels of the device whose resolution is passed.
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
    // Width of the 8-bit (Windows-1252) Text in Font whose cell height is PixelHeight pixels.
    virtual double TextWidth(const TReportFont& Font, double PixelHeight, std::string_view Text) = 0;
    virtual TFontExtent Extent(const TReportFont& Font, double PixelHeight) = 0;
};

// The process-wide measurer (fontconfig + FreeType). Never null.
TTextMeasurer& DefaultTextMeasurer();
