#include "platform/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace platform::NumberFormat {

namespace {

// Large enough for any double in fixed notation with 30 decimals (309 digits, sign, point).
constexpr std::size_t BufferSize = 400;

} // namespace

void AppendFixed(std::string& out, double value, int decimals) {
    decimals = std::clamp(decimals, 0, 30);
    if (!std::isfinite(value)) value = 0.0;
    char buffer[BufferSize];
    const auto result = std::to_chars(buffer, buffer + BufferSize, value, std::chars_format::fixed, decimals);
    out.append(buffer, result.ptr);
}

std::string Fixed(double value, int decimals) {
    std::string out;
    AppendFixed(out, value, decimals);
    return out;
}

void AppendGeneral(std::string& out, double value, int precision) {
    precision = std::clamp(precision, 1, 30);
    if (!std::isfinite(value)) value = 0.0;
    char buffer[BufferSize];
    const auto result =
        std::to_chars(buffer, buffer + BufferSize, value, std::chars_format::general, precision);
    out.append(buffer, result.ptr);
}

std::string General(double value, int precision) {
    std::string out;
    AppendGeneral(out, value, precision);
    return out;
}

void AppendInteger(std::string& out, std::int64_t value, int minDigits) {
    minDigits = std::clamp(minDigits, 1, 64);
    // The magnitude as unsigned so that the smallest int64 has a positive counterpart.
    const std::uint64_t magnitude =
        value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, magnitude);
    const auto count = static_cast<int>(result.ptr - digits);
    if (value < 0) out += '-';
    if (count < minDigits) out.append(static_cast<std::size_t>(minDigits - count), '0');
    out.append(digits, result.ptr);
}

std::string Integer(std::int64_t value, int minDigits) {
    std::string out;
    AppendInteger(out, value, minDigits);
    return out;
}

std::optional<std::int64_t> ParseInt64(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc{} || result.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<std::int32_t> ParseInt32(std::string_view text) {
    const auto value = ParseInt64(text);
    if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
        *value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

std::optional<double> ParseDouble(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    if (text.empty()) return std::nullopt;
    // from_chars would also take "inf", "nan" and friends; only plain decimal numbers are numbers here.
    for (const char c : text) {
        const bool allowed =
            (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
        if (!allowed) return std::nullopt;
    }
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc{} || result.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

} // namespace platform::NumberFormat
