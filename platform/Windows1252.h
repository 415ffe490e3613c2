// The 8-bit character set of the game's texts and of PDF WinAnsiEncoding.
#pragma once

#include <cstdint>

namespace platform {

class Windows1252 {
  public:
    // The Unicode code point of an 8-bit code. The five codes Windows-1252 leaves undefined
    // (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, as Windows does.
    static char32_t ToUnicode(std::uint8_t code);
    // The 8-bit code of a code point, or -1 when Windows-1252 has none.
    static int FromUnicode(char32_t codePoint);
};

} // namespace platform
