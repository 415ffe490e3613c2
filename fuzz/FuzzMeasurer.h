// A text measurer with fixed proportions, so fuzz runs depend on no installed font and stay fast:
// every byte is 0.55 em wide, ascent 0.8 em, descent 0.2 em.
#pragma once

#include "report/TextMeasurer.h"

class TFuzzMeasurer : public TTextMeasurer {
  public:
    double EmForCellHeight(const TReportFont& Font, double CellPixels) override;
    double TextWidth(const TReportFont& Font, double EmPixels, std::string_view Text) override;
    TFontExtent Extent(const TReportFont& Font, double EmPixels) override;
};
