#include "platform/FontFace.h"

#include "platform/SafeFile.h"
#include "platform/Windows1252.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_TRUETYPE_TAGS_H
#include FT_ADVANCES_H

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// Largest font file handed out as a font program.
constexpr std::size_t MaxFontProgram = std::size_t{64} << 20;

bool HasTable(FT_Face face, FT_ULong tag) {
    FT_ULong length = 0;
    return FT_Load_Sfnt_Table(face, tag, 0, nullptr, &length) == 0 && length > 0;
}

} // namespace

FontFace::FontFace(FT_FaceRec_* face, FontMatch match) : Matched(std::move(match)), Face(face) {
    if (!FT_IS_SCALABLE(Face) || Face->units_per_EM == 0)
        throw FontError("font " + Matched.File + " is not a scalable font");
    Upem = Face->units_per_EM;
    Matched.IsTrueType = FT_IS_SFNT(Face) && Face->num_faces == 1 && HasTable(Face, TTAG_glyf);
    LoadCharacterMap();
    LoadVerticalMetrics();
    LoadOutlineMetrics();
}

FontFace::~FontFace() = default;

void FontFace::LoadCharacterMap() {
    // Symbol fonts (a (3,0) cmap) map byte codes into the private range U+F000..U+F0FF, as
    // Windows draws them; every other font is read through Windows-1252.
    bool symbol = FT_Select_Charmap(Face, FT_ENCODING_UNICODE) != 0;
    if (symbol && FT_Select_Charmap(Face, FT_ENCODING_MS_SYMBOL) != 0) symbol = false;
    for (int code = 0; code < 256; ++code) {
        FT_UInt glyph = 0;
        if (symbol) {
            glyph = FT_Get_Char_Index(Face, 0xF000u + static_cast<FT_ULong>(code));
            if (glyph == 0) glyph = FT_Get_Char_Index(Face, static_cast<FT_ULong>(code));
        } else {
            glyph = FT_Get_Char_Index(Face, Windows1252::ToUnicode(static_cast<std::uint8_t>(code)));
        }
        Glyphs[code] = glyph;
        FT_Fixed advance = 0;
        if (FT_Get_Advance(Face, glyph, FT_LOAD_NO_SCALE, &advance) != 0) advance = 0;
        Advances[code] = static_cast<int>(advance);
    }
    OutlineValues.Symbolic = symbol;
}

double FontFace::EmPixelsForCellHeight(double cellPixels) const {
    const int cell = WinAscent + WinDescent;
    if (cell <= 0) return cellPixels;
    return cellPixels * Upem / cell;
}

double FontFace::TextWidth(std::string_view text, double emPixels) const {
    std::int64_t units = 0;
    for (const char c : text)
        units += Advances[static_cast<unsigned char>(c)];
    return static_cast<double>(units) * emPixels / Upem;
}

int FontFace::DeviceTextWidth(std::string_view text, double emPixels) const {
    const int em = std::max(1, static_cast<int>(std::lround(emPixels)));
    if (em != DeviceEm) {
        const double scale = static_cast<double>(em) / Upem;
        for (int code = 0; code < 256; ++code)
            DeviceAdvances[code] = static_cast<int>(std::lround(Advances[code] * scale));
        DeviceEm = em;
    }
    std::int64_t pixels = 0;
    for (const char c : text)
        pixels += DeviceAdvances[static_cast<unsigned char>(c)];
    return static_cast<int>(pixels);
}

std::array<int, 256> FontFace::Widths1000() const {
    std::array<int, 256> widths{};
    for (int code = 0; code < 256; ++code)
        widths[code] = Scale1000(Advances[code]);
    return widths;
}

int FontFace::Scale1000(double fontUnits) const {
    return static_cast<int>(std::lround(fontUnits * 1000.0 / Upem));
}

std::vector<std::uint8_t> FontFace::FontProgram() const {
    std::vector<std::uint8_t> bytes;
    const FileResult result = SafeFile::ReadAll(Matched.File, bytes, MaxFontProgram);
    if (!result) throw FontError("cannot read the font program: " + result.Error);
    return bytes;
}

} // namespace platform
