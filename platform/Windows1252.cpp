#include "platform/Windows1252.h"

#include "platform/Windows1252Table.h"

namespace platform {

char32_t Windows1252::ToUnicode(std::uint8_t code) {
    if (code >= 0x80 && code <= 0x9F) return Windows1252HighCodes[code - 0x80];
    return code;
}

int Windows1252::FromUnicode(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<int>(codePoint);
    for (std::size_t i = 0; i < Windows1252HighCodes.size(); ++i)
        if (Windows1252HighCodes[i] == codePoint) return static_cast<int>(0x80 + i);
    return -1;
}

} // namespace platform
