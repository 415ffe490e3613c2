#include "fuzz/FuzzMeasurer.h"

double TFuzzMeasurer::EmForCellHeight(const TReportFont&, double CellPixels) {
    return CellPixels;
}

double TFuzzMeasurer::TextWidth(const TReportFont&, double EmPixels, std::string_view Text) {
    return 0.55 * EmPixels * static_cast<double>(Text.size());
}

TFontExtent TFuzzMeasurer::Extent(const TReportFont&, double EmPixels) {
    return {0.8 * EmPixels, 0.2 * EmPixels};
}
