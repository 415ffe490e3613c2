// One opened font face: measures Windows-1252 text and reports the face's metrics. Obtained from
// FontService, which owns it and keeps it open; it is not thread-safe.
#pragma once

#include "platform/FontTypes.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

struct FT_FaceRec_;

namespace platform {

class FontFace {
  public:
    // Wraps an opened FreeType face (owned by FontService, shared by every name that resolves to
    // it) for the font Match names; fills in Match.IsTrueType. Throws FontError when the face is
    // not scalable.
    FontFace(FT_FaceRec_* face, FontMatch match);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    const FontMatch& Match() const { return Matched; }
    int UnitsPerEm() const { return Upem; }

    // Pixels per em for a size in points on a device of PixelsPerInch (points * ppi / 72).
    static double EmPixels(double points, double pixelsPerInch) { return points * pixelsPerInch / 72.0; }
    // Pixels per em that give a cell height (ascent + descent, a positive Windows font height).
    double EmPixelsForCellHeight(double cellPixels) const;

    // Whether the face has a glyph for the 8-bit code (through Windows-1252, or the symbol cmap).
    bool HasGlyph(std::uint8_t code) const { return Glyphs[code] != 0; }
    // Advance width in font units of an 8-bit code; codes without a glyph measure as the
    // face's missing glyph (glyph 0), as a Windows device draws them.
    int AdvanceUnits(std::uint8_t code) const { return Advances[code]; }

    // Advance width of Text (Windows-1252 bytes, no kerning) at an em of EmPixels:
    // TextWidth is exact (fractional pixels); DeviceTextWidth rounds the em to whole pixels and
    // each glyph's advance to whole pixels before adding, as a device rasterising the font does.
    double TextWidth(std::string_view text, double emPixels) const;
    int DeviceTextWidth(std::string_view text, double emPixels) const;

    // TEXTMETRIC-like values at an em of EmPixels (rounded to whole pixels, at least 1).
    TextMetrics Metrics(double emPixels) const;

    // Advance widths in 1/1000 em of every code 0..255 (rounded to nearest).
    std::array<int, 256> Widths1000() const;

    // Font-wide values for a PDF font descriptor (computed once).
    const OutlineMetrics& Outline() const { return OutlineValues; }

    // The whole font file (the TrueType program a PDF embeds). Throws FontError when it cannot
    // be read.
    std::vector<std::uint8_t> FontProgram() const;

  private:
    FontMatch Matched;
    FT_FaceRec_* Face = nullptr;
    int Upem = 1000;
    std::array<std::uint32_t, 256> Glyphs{};
    std::array<int, 256> Advances{};
    // Vertical values in font units, taken once from the tables.
    int WinAscent = 0;
    int WinDescent = 0;
    int ExternalGap = 0;
    int AvgCharUnits = 0;
    int MaxAdvanceUnits = 0;
    OutlineMetrics OutlineValues;
    // Whole-pixel advances at the em used last: text runs are measured at few sizes in a row.
    mutable int DeviceEm = 0;
    mutable std::array<int, 256> DeviceAdvances{};

    void LoadCharacterMap();
    void LoadVerticalMetrics();
    void LoadOutlineMetrics();
    int Scale1000(double fontUnits) const;
};

} // namespace platform
