// Font-wide metrics of a face: the Windows TEXTMETRIC-style values at a size, and the values a
// PDF font descriptor needs, all taken from the head, hhea, OS/2 and post tables.
#include "platform/FontFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// usWeightClass of a regular face when the font has no OS/2 table.
constexpr int RegularWeight = 400;
// OS/2 fsType bits that forbid embedding the outlines.
constexpr std::uint16_t RestrictedLicence = 0x0002;
constexpr std::uint16_t BitmapOnlyEmbedding = 0x0200;

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

// Top of a glyph's outline in font units, or 0 when the glyph is missing.
int GlyphTop(FT_Face face, FT_ULong character) {
    const FT_UInt glyph = FT_Get_Char_Index(face, character);
    if (glyph == 0 || FT_Load_Glyph(face, glyph, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING) != 0) return 0;
    return static_cast<int>(face->glyph->metrics.horiBearingY);
}

} // namespace

void FontFace::LoadVerticalMetrics() {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(Face, FT_SFNT_OS2));
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(Face, FT_SFNT_HHEA));
    const int hheaAscent = hhea ? hhea->Ascender : Face->ascender;
    const int hheaDescent = hhea ? -hhea->Descender : -Face->descender;
    const int lineGap =
        hhea ? hhea->Line_Gap : std::max(0, Face->height - (Face->ascender - Face->descender));
    if (os2 && os2->version != 0xFFFFu) {
        WinAscent = os2->usWinAscent;
        WinDescent = os2->usWinDescent;
        AvgCharUnits = os2->xAvgCharWidth;
    } else {
        WinAscent = hheaAscent;
        WinDescent = hheaDescent;
        AvgCharUnits = 0;
    }
    // Windows adds only the part of the line gap that the win metrics do not already cover.
    ExternalGap = std::max(0, lineGap - ((WinAscent + WinDescent) - (hheaAscent + hheaDescent)));
    MaxAdvanceUnits = hhea ? hhea->advance_Width_Max : Face->max_advance_width;
    if (AvgCharUnits == 0) {
        // Fall back to the mean advance of the lower-case letters present.
        int sum = 0, count = 0;
        for (int code = 'a'; code <= 'z'; ++code)
            if (HasGlyph(static_cast<std::uint8_t>(code))) sum += Advances[code], ++count;
        AvgCharUnits = count > 0 ? sum / count : Upem / 2;
    }
}

TextMetrics FontFace::Metrics(double emPixels) const {
    TextMetrics m;
    m.EmPixels = std::max(1, Round(emPixels));
    const double scale = static_cast<double>(m.EmPixels) / Upem;
    m.Ascent = Round(WinAscent * scale);
    m.Descent = Round(WinDescent * scale);
    m.Height = m.Ascent + m.Descent;
    m.InternalLeading = std::max(0, m.Height - m.EmPixels);
    m.ExternalLeading = Round(ExternalGap * scale);
    m.AveCharWidth = Round(AvgCharUnits * scale);
    m.MaxCharWidth = Round(MaxAdvanceUnits * scale);
    m.UnderlinePosition = OutlineValues.UnderlinePosition * m.EmPixels / 1000.0;
    m.UnderlineThickness = OutlineValues.UnderlineThickness * m.EmPixels / 1000.0;
    m.StrikeOutPosition = OutlineValues.StrikeOutPosition * m.EmPixels / 1000.0;
    m.StrikeOutThickness = OutlineValues.StrikeOutThickness * m.EmPixels / 1000.0;
    return m;
}

void FontFace::LoadOutlineMetrics() {
    OutlineMetrics& o = OutlineValues;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(Face, FT_SFNT_OS2));
    const auto* post = static_cast<const TT_Postscript*>(FT_Get_Sfnt_Table(Face, FT_SFNT_POST));
    const bool hasOs2 = os2 && os2->version != 0xFFFFu;

    o.UnitsPerEm = Upem;
    o.BBoxLeft = Scale1000(Face->bbox.xMin);
    o.BBoxBottom = Scale1000(Face->bbox.yMin);
    o.BBoxRight = Scale1000(Face->bbox.xMax);
    o.BBoxTop = Scale1000(Face->bbox.yMax);

    const TextMetrics at1000 = Metrics(1000);
    o.Ascent = at1000.Ascent;
    o.Descent = at1000.Descent;
    o.InternalLeading = at1000.InternalLeading;
    o.ExternalLeading = at1000.ExternalLeading;
    o.AvgWidth = at1000.AveCharWidth;
    o.MaxWidth = at1000.MaxCharWidth;

    const int capTop =
        hasOs2 && os2->version >= 2 && os2->sCapHeight > 0 ? os2->sCapHeight : GlyphTop(Face, 'H');
    const int xTop = hasOs2 && os2->version >= 2 && os2->sxHeight > 0 ? os2->sxHeight : GlyphTop(Face, 'x');
    o.CapHeight = capTop > 0 ? Scale1000(capTop) : o.Ascent;
    o.XHeight = xTop > 0 ? Scale1000(xTop) : Round(o.Ascent / 2.0);

    o.ItalicAngle = post ? static_cast<double>(post->italicAngle) / 65536.0 : 0.0;
    o.ItalicAngleTenths = Round(o.ItalicAngle * 10.0);

    const int weight = hasOs2 && os2->usWeightClass > 0 ? os2->usWeightClass : RegularWeight;
    o.StemV = Round(50.0 + (weight / 65.0) * (weight / 65.0));

    if (hasOs2) {
        std::copy(std::begin(os2->panose), std::end(os2->panose), o.Panose.begin());
        o.FsType = os2->fsType;
    }
    o.FixedPitch = (post && post->isFixedPitch != 0) || o.Panose[3] == 9;
    o.Serif = o.Panose[0] == 2 && o.Panose[1] >= 2 && o.Panose[1] <= 10;
    const bool italic = o.ItalicAngle != 0.0 || (Face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
    o.Flags = (o.FixedPitch ? 1 : 0) | (o.Serif ? 2 : 0) | (o.Symbolic ? 4 : 32) | (italic ? 64 : 0);
    o.LicenceFlags = (o.FsType & (RestrictedLicence | BitmapOnlyEmbedding)) != 0 ? 1u : 0u;
    o.Embeddable = (o.LicenceFlags & 1u) == 0;

    // FreeType gives the underline's centre (negative below the baseline).
    o.UnderlinePosition = Scale1000(-Face->underline_position);
    o.UnderlineThickness = Scale1000(Face->underline_thickness > 0 ? Face->underline_thickness : Upem / 20);
    if (hasOs2 && os2->yStrikeoutSize > 0) {
        o.StrikeOutThickness = Scale1000(os2->yStrikeoutSize);
        o.StrikeOutPosition = Scale1000(os2->yStrikeoutPosition - os2->yStrikeoutSize / 2.0);
    } else {
        o.StrikeOutThickness = o.UnderlineThickness;
        o.StrikeOutPosition = Round(o.XHeight / 2.0);
    }

    o.FirstChar = 0;
    o.LastChar = 0;
    for (int code = 32; code < 256; ++code) {
        if (!HasGlyph(static_cast<std::uint8_t>(code))) continue;
        if (o.FirstChar == 0) o.FirstChar = code;
        o.LastChar = code;
    }
}

} // namespace platform
