#include "report/TextMeasurer.h"

#include "platform/FontService.h"
#include "report/ReportError.h"

namespace {

// Measures with the installed font that the face name resolves to, as a device would draw it.
class TPlatformTextMeasurer : public TTextMeasurer {
  public:
    double EmForCellHeight(const TReportFont& Font, double CellPixels) override {
        return Face(Font).EmPixelsForCellHeight(CellPixels);
    }

    double TextWidth(const TReportFont& Font, double EmPixels, std::string_view Text) override {
        return Face(Font).DeviceTextWidth(Text, EmPixels);
    }

    TFontExtent Extent(const TReportFont& Font, double EmPixels) override {
        const platform::TextMetrics Metrics = Face(Font).Metrics(EmPixels);
        return {static_cast<double>(Metrics.Ascent), static_cast<double>(Metrics.Descent)};
    }

  private:
    static const platform::FontFace& Face(const TReportFont& Font) {
        try {
            return platform::FontService::Default().Face(Font.Name, {Font.Bold, Font.Italic});
        } catch (const platform::FontError& Error) {
            throw EReportError(std::string("Cannot measure text: ") + Error.what());
        }
    }
};

} // namespace

TTextMeasurer& DefaultTextMeasurer() {
    static TPlatformTextMeasurer Measurer;
    return Measurer;
}
