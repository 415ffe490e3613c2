#include "pdf/TPlatformFontSource.h"

#include "platform/FontService.h"

namespace pdf {

TPlatformFontSource::TPlatformFontSource(platform::FontService* service) : Given(service) {}

platform::FontService* TPlatformFontSource::Service() {
    if (Given) return Given;
    try {
        return &platform::FontService::Default();
    } catch (const platform::FontError&) {
        return nullptr;
    }
}

bool TPlatformFontSource::IsTrueTypeFace(const std::string& name, bool bold, bool italic) {
    platform::FontService* service = Service();
    return service && service->IsTrueTypeFace(name, platform::FontStyle{bold, italic});
}

std::optional<TTrueTypeMetrics> TPlatformFontSource::OutlineMetrics(const std::string& name, bool bold,
                                                                    bool italic) {
    platform::FontService* service = Service();
    if (!service) return std::nullopt;
    try {
        const platform::FontFace& face = service->Face(name, platform::FontStyle{bold, italic});
        const platform::OutlineMetrics& outline = face.Outline();
        TTrueTypeMetrics metrics;
        metrics.FirstChar = outline.FirstChar;
        metrics.LastChar = outline.LastChar;
        metrics.Widths = face.Widths1000();
        metrics.BBoxLeft = outline.BBoxLeft;
        metrics.BBoxTop = outline.BBoxTop;
        metrics.BBoxRight = outline.BBoxRight;
        metrics.BBoxBottom = outline.BBoxBottom;
        metrics.ItalicAngle = outline.ItalicAngleTenths;
        metrics.Ascent = outline.Ascent;
        metrics.Descent = outline.Descent;
        metrics.InternalLeading = outline.InternalLeading;
        metrics.ExternalLeading = outline.ExternalLeading;
        metrics.MaxWidth = outline.MaxWidth;
        metrics.AvgWidth = outline.AvgWidth;
        metrics.PanoseFamily = outline.Panose[0];
        metrics.PanoseProportion = outline.Panose[3];
        metrics.LicenceFlags = outline.LicenceFlags;
        return metrics;
    } catch (const platform::FontError&) {
        return std::nullopt;
    }
}

std::string TPlatformFontSource::FontProgram(const std::string& name, bool bold, bool italic) {
    platform::FontService* service = Service();
    if (!service) return {};
    try {
        const std::vector<uint8_t> bytes =
            service->Face(name, platform::FontStyle{bold, italic}).FontProgram();
        return std::string(bytes.begin(), bytes.end());
    } catch (const platform::FontError&) {
        return {};
    }
}

} // namespace pdf
