#include "engine/TDigitSet.h"

TDigitSet TDigitSet::AllDigits() {
    TDigitSet set;
    for (std::int32_t d = 1; d <= 9; ++d)
        set.Include(d);
    return set;
}

void TDigitSet::Include(std::int32_t value) {
    if (InRange(value)) Words[static_cast<std::size_t>(value / 32)] |= 1u << (value % 32);
}

void TDigitSet::Exclude(std::int32_t value) {
    if (InRange(value)) Words[static_cast<std::size_t>(value / 32)] &= ~(1u << (value % 32));
}

bool TDigitSet::Contains(std::int32_t value) const {
    return InRange(value) && (Words[static_cast<std::size_t>(value / 32)] >> (value % 32) & 1u) != 0;
}

std::int32_t CountDigits(const TDigitSet& set) {
    std::int32_t count = 0;
    for (std::int32_t d = 1; d <= 9; ++d)
        if (set.Contains(d)) ++count;
    return count;
}

std::int32_t FirstDigit(const TDigitSet& set) {
    for (std::int32_t d = 1; d <= 9; ++d)
        if (set.Contains(d)) return d;
    return 10;
}
