// A set of the integers 0-255 in eight 32-bit words; values outside 0-255 are never members.
#pragma once

#include <array>
#include <cstdint>

class TDigitSet {
  public:
    TDigitSet() = default;

    // {1, ..., 9}: the candidates of a square before any are removed.
    static TDigitSet AllDigits();

    void Include(std::int32_t value);
    void Exclude(std::int32_t value);
    bool Contains(std::int32_t value) const;

    // Word 0-7 of the stored bits (bit n of the set is bit n mod 32 of word n div 32); 0 outside.
    std::uint32_t Word(std::int32_t index) const {
        return index >= 0 && index < 8 ? Words[static_cast<std::size_t>(index)] : 0u;
    }

  private:
    static bool InRange(std::int32_t value) { return value >= 0 && value <= 255; }
    std::array<std::uint32_t, 8> Words{};
};

// How many of 1-9 are members (0 and values above 9 do not count).
std::int32_t CountDigits(const TDigitSet& set);

// The smallest member among 1-9, or 10 when none is.
std::int32_t FirstDigit(const TDigitSet& set);
