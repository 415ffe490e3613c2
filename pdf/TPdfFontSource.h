// What the PDF renderer asks the platform about TrueType fonts. The game uses the fontconfig +
// FreeType implementation; tests substitute their own.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace pdf {

// Metrics of one face in 1/1000 em (the units of a 1000-unit em square).
struct TTrueTypeMetrics {
    int FirstChar = 0;
    int LastChar = 0;
    std::array<int, 256> Widths{}; // advance width of each code FirstChar..LastChar
    int BBoxLeft = 0, BBoxTop = 0, BBoxRight = 0, BBoxBottom = 0;
    int ItalicAngle = 0; // tenths of a degree
    int Ascent = 0;
    int Descent = 0; // positive below the baseline
    int InternalLeading = 0;
    int ExternalLeading = 0;
    int MaxWidth = 0;
    int AvgWidth = 0;
    uint8_t PanoseFamily = 0;
    uint8_t PanoseProportion = 0;
    uint32_t LicenceFlags = 0; // bit 0 set: the licence forbids embedding
};

class TPdfFontSource {
  public:
    virtual ~TPdfFontSource() = default;
    // True only when a face of this name and style is installed as TrueType, not substituted.
    virtual bool IsTrueTypeFace(const std::string& name, bool bold, bool italic) = 0;
    // Empty when the outline metrics cannot be read.
    virtual std::optional<TTrueTypeMetrics> OutlineMetrics(const std::string& name, bool bold,
                                                           bool italic) = 0;
    // The complete font program; empty when it cannot be read.
    virtual std::string FontProgram(const std::string& name, bool bold, bool italic) = 0;
};

} // namespace pdf
