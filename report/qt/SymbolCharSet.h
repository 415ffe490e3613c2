// Texts in the Symbol character set: their bytes name Greek letters and mathematical signs, not
// the Windows-1252 characters of every other text in the page stream.
#pragma once

#include <cstdint>

inline constexpr uint8_t SymbolCharSet = 2;

// The character a byte of a Symbol-set text stands for (bytes the set leaves undefined keep their
// Windows-1252 meaning).
char32_t SymbolToUnicode(uint8_t Byte);
