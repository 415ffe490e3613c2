#include "engine/TMessageText.h"

#include <algorithm>
#include <charconv>

TMessageText& TMessageText::Append(std::string_view text) {
    const std::size_t count = std::min(text.size(), Capacity - Length);
    std::copy_n(text.data(), count, Chars.data() + Length);
    Length += count;
    Chars[Length] = '\0';
    return *this;
}

TMessageText& TMessageText::Append(std::int32_t number) {
    std::array<char, 12> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), number);
    return Append(std::string_view(digits.data(), static_cast<std::size_t>(result.ptr - digits.data())));
}
