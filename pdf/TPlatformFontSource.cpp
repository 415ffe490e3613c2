#include "pdf/TPlatformFontSource.h"

#include "platform/FontService.h"

namespace pdf {

TPlatformFontSource::TPlatformFontSource(platform::FontService* service)
    : Service(service ? *service : platform::FontService::Default())
{
}

bool TPlatformFontSource::IsTrueTypeFace(const std::string& name, bool bold, bool italic)
{
    return Service.IsTrueTypeFace(name, platform::FontStyle{bold, italic});
}

std::optional<TTrueTypeMetrics> TPlatformFontSource::OutlineMetrics(const std::string& name, bool bold, bool italic)
{
    try {
        const platform::FontFace& face = Service.Face(name, platform::FontStyle{bold, italic});
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

std::string TPlatformFontSource::FontProgram(const std::string& name, bool bold, bool italic)
{
    try {
        const std::vector<uint8_t> bytes = Service.Face(name, platform::FontStyle{bold, italic}).FontProgram();
        return std::string(bytes.begin(), bytes.end());
    } catch (const platform::FontError&) {
        return {};
    }
}

} // namespace pdf
