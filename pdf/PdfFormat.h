// Number and text formats of PDF output. Every number is written with "." as the decimal
// separator whatever the process locale says, so these never go through printf.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace pdf {

// "%.4f": fixed point, four decimals.
std::string FormatFixed4(double value);
// The largest magnitude of a number in page content: PDF 1.3 readers are only required to handle
// coordinates within +-32767 units, and some stall on longer numbers.
constexpr double MaxCoordinate = 32767;
// "%.4f" of a position or size in page content, clamped to +-MaxCoordinate.
std::string FormatCoordinate(double value);
// "%.3g": three significant digits, no trailing zeros.
std::string FormatG3(double value);
// "%.4d": an integer zero-padded to at least four digits.
std::string FormatInt4(int value);
// A cross-reference offset: ten digits, zero-padded.
std::string FormatOffset10(uint64_t offset);

// Inserts a backslash before every "(", ")" and "\"; every other byte is kept.
std::string EscapeText(std::string_view text);

// Fourteen digits yyyymmddhhmmss of a broken-down local time.
std::string PDFDate(const std::tm& localTime);

// "r g b" of a 32-bit colour value (red in the lowest byte); negative values (system colours)
// count as black.
std::string PDFColor(int32_t color);

} // namespace pdf
