// The font service of the platform (fontconfig + FreeType) as the PDF renderer's font source.
#pragma once

#include "pdf/TPdfFontSource.h"

namespace platform {
class FontService;
}

namespace pdf {

class TPlatformFontSource : public TPdfFontSource {
  public:
    // Uses the process-wide font service unless another one is given. The service starts on first
    // use; when it cannot start, no face counts as TrueType and text falls back to Helvetica.
    explicit TPlatformFontSource(platform::FontService* service = nullptr);

    bool IsTrueTypeFace(const std::string& name, bool bold, bool italic) override;
    std::optional<TTrueTypeMetrics> OutlineMetrics(const std::string& name, bool bold, bool italic) override;
    std::string FontProgram(const std::string& name, bool bold, bool italic) override;

  private:
    platform::FontService* Service();
    platform::FontService* Given;
};

} // namespace pdf
