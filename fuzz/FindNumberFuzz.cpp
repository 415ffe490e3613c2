// Find's text-to-number rule on arbitrary text, against a reading of the rule written out
// independently: blanks around an optionally signed decimal 32-bit integer, anything else gives 1,
// and any value below 1 gives 1.
#include "engine/PuzzleChoice.h"
#include "fuzz/FuzzTarget.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string_view>

namespace {

std::int32_t ExpectedNumber(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() == '+' || text.front() == '-') return 1;
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc{} || end != text.data() + text.size()) return 1;
    if (negative || magnitude < 1 ||
        magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
        return 1;
    return static_cast<std::int32_t>(magnitude);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::int32_t number = FindNumber(text);
    FuzzCheck(number >= 1, "Find never plays a number below 1");
    FuzzCheck(number == ExpectedNumber(text), "Find reads the typed number");
    return 0;
}
