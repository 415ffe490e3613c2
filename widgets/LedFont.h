#pragma once

#include <array>
#include <cstdint>

// The dot-matrix glyphs: one entry per 8-bit character code (Windows-1252), five bytes, one per dot
// column from left to right. Bit 7 is the top row, bit 1 the seventh (bottom) row; bit 0 is unused.
using TLedGlyph = std::array<std::uint8_t, 5>;
extern const std::array<TLedGlyph, 256> LedFont;

// The 8-bit code under which a character is looked up in LedFont: Latin-1 characters keep their
// code, the typographic characters of the Windows-1252 upper half map to theirs, anything else is "?".
std::uint8_t LedCharCode(char32_t ch);

// Whether the dot in column (0-4) and row (0-6) of the glyph is lit.
constexpr bool LedDotLit(const TLedGlyph& glyph, int column, int row) {
    return (glyph[static_cast<std::size_t>(column)] >> (7 - row)) & 1;
}
