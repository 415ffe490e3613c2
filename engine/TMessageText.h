// A short text built without allocating: the engine hands the window its messages in these.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

class TMessageText {
  public:
    static constexpr std::size_t Capacity = 95;

    TMessageText() = default;
    explicit TMessageText(std::string_view text) { Append(text); }

    // Appends what fits; a text never grows beyond Capacity.
    TMessageText& Append(std::string_view text);
    TMessageText& Append(std::int32_t number); // decimal, no leading zeros

    std::string_view View() const { return {Chars.data(), Length}; }
    const char* CStr() const { return Chars.data(); }
    std::size_t Size() const { return Length; }

  private:
    std::array<char, Capacity + 1> Chars{};
    std::size_t Length = 0;
};
