// Values the font service hands out: what a face name resolved to, and metrics in the forms the
// report surface, the page-stream reader and the PDF writer use.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace platform {

struct FontStyle {
    bool Bold = false;
    bool Italic = false;
    friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

// Thrown when no font at all can be found or a font file cannot be opened or read.
class FontError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class FontMatchKind {
    Exact,       // a face of the requested family is installed
    MetricAlias, // the system's configuration names this face as the requested family's
                 // metric-compatible replacement ("Arial" -> "Liberation Sans"); counts as installed
    Substitute,  // only a general fallback was found; the requested family is not installed
};

struct FontMatch {
    std::string RequestedName; // as first asked, e.g. "Arial" or "ArialNarrow,Bold"
    std::string Family;        // family of the face used, e.g. "Liberation Sans"
    std::string StyleName;     // e.g. "Bold Italic"
    std::string File;          // path of the font file
    int FaceIndex = 0;         // face inside the file
    bool Bold = false;         // the face used is bold / italic (may differ from the request
    bool Italic = false;       // when the family lacks that style; nothing is synthesised)
    FontMatchKind Kind = FontMatchKind::Substitute;
    // TrueType outlines ("glyf" table) in a file holding just this one font, so the file itself is
    // a font program a PDF can embed. CFF-flavoured OpenType, Type 1 and collections are not.
    bool IsTrueType = false;

    bool IsInstalled() const { return Kind != FontMatchKind::Substitute; }
};

// A font at one size on one device, in whole device pixels, with the meaning of the Windows
// TEXTMETRIC fields of the same names:
//   Ascent = round(usWinAscent * em / unitsPerEm), Descent = round(usWinDescent * em / unitsPerEm),
//   Height = Ascent + Descent, InternalLeading = Height - em (em rounded to whole pixels),
//   ExternalLeading = round(max(0, hhea.lineGap - ((usWinAscent + usWinDescent)
//                      - (hhea.ascender - hhea.descender))) * em / unitsPerEm),
//   AveCharWidth from OS/2 xAvgCharWidth, MaxCharWidth from hhea advanceWidthMax.
// Fonts without an OS/2 table use hhea ascender/descender instead.
// Decoration lines (from the post and OS/2 tables) are in pixels: UnderlinePosition is the
// distance of the underline's centre below the baseline, StrikeOutPosition the distance of the
// strike-out line's centre above it.
struct TextMetrics {
    int EmPixels = 0;
    int Ascent = 0;
    int Descent = 0;
    int Height = 0;
    int InternalLeading = 0;
    int ExternalLeading = 0;
    int AveCharWidth = 0;
    int MaxCharWidth = 0;
    double UnderlinePosition = 0;
    double UnderlineThickness = 0;
    double StrikeOutPosition = 0;
    double StrikeOutThickness = 0;
};

// Font-wide values for a PDF font descriptor, in 1/1000 em (rounded to nearest) unless said.
// Ascent, Descent, InternalLeading, ExternalLeading, AvgWidth and MaxWidth are the TextMetrics
// values at an em of 1000 pixels (Descent is positive, below the baseline).
struct OutlineMetrics {
    int UnitsPerEm = 0; // font units
    int BBoxLeft = 0;   // head table bounding box
    int BBoxBottom = 0;
    int BBoxRight = 0;
    int BBoxTop = 0;
    int Ascent = 0;
    int Descent = 0;
    int InternalLeading = 0;
    int ExternalLeading = 0;
    int CapHeight = 0;         // OS/2 sCapHeight, else the top of "H", else Ascent
    int XHeight = 0;           // OS/2 sxHeight, else the top of "x", else half of Ascent
    double ItalicAngle = 0;    // degrees, counter-clockwise from vertical (negative leans right)
    int ItalicAngleTenths = 0; // the same in tenths of a degree, rounded
    int AvgWidth = 0;
    int MaxWidth = 0;
    int StemV = 0;           // estimate from the OS/2 weight class: 50 + (weight / 65)^2
    bool FixedPitch = false; // post.isFixedPitch or PANOSE proportion 9
    bool Serif = false;      // PANOSE Latin-text family with a serif style 2..10
    bool Symbolic = false;   // the font maps characters through a symbol cmap (3,0)
    int Flags = 0;           // PDF flags: 1 fixed pitch, 2 serif, 4 symbolic or 32 nonsymbolic, 64 italic
    std::array<std::uint8_t, 10> Panose{}; // OS/2 PANOSE; [0] family kind, [3] proportion
    std::uint16_t FsType = 0;              // OS/2 embedding licence bits as stored in the font
    // Windows-style licence flags: bit 0 set when the font must not be embedded (restricted
    // licence 0x0002, or bitmap-only embedding 0x0200). Embeddable == ((LicenceFlags & 1) == 0).
    std::uint32_t LicenceFlags = 0;
    bool Embeddable = true;
    int UnderlinePosition = 0; // centre of the underline below the baseline (positive = below)
    int UnderlineThickness = 0;
    int StrikeOutPosition = 0; // centre of the strike-out line above the baseline
    int StrikeOutThickness = 0;
    int FirstChar = 0; // first and last character code 32..255 (Windows-1252) with a glyph;
    int LastChar = 0;  // both 0 when the font has none
};

} // namespace platform
