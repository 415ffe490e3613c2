// Locale-independent number formatting and parsing. PDF operators, page-stream text and our own
// files must always use "." as the decimal separator, whatever setlocale() was called with (a Qt
// application switches the C locale to the user's), so nothing here uses printf or iostreams.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform::NumberFormat {

// printf("%.*f", Decimals, Value) in the C locale: Fixed(1.5, 4) == "1.5000",
// Fixed(-0.00001, 4) == "-0.0000". Decimals is clamped to 0..30. NaN and infinities give "0"
// followed by the decimals, so they can never produce an unreadable token in a PDF.
std::string Fixed(double value, int decimals);
void AppendFixed(std::string& out, double value, int decimals);

// printf("%.*g", Precision, Value) in the C locale: General(0.5, 3) == "0.5",
// General(1234567, 3) == "1.23e+06". Precision below 1 counts as 1 (as printf does for 0).
std::string General(double value, int precision);
void AppendGeneral(std::string& out, double value, int precision);

// printf("%.*lld", MinDigits, Value): at least MinDigits digits, zero-padded after the sign:
// Integer(12, 4) == "0012", Integer(-12, 4) == "-0012", Integer(7) == "7".
std::string Integer(std::int64_t value, int minDigits = 1);
void AppendInteger(std::string& out, std::int64_t value, int minDigits = 1);

// Strict parsing of the whole text (no surrounding blanks, nothing after the number). An optional
// leading "+" or "-" is accepted. Out-of-range values give nullopt.
std::optional<std::int64_t> ParseInt64(std::string_view text);
std::optional<std::int32_t> ParseInt32(std::string_view text);
// Decimal floating point, "1.5", "-2", ".5", "1e3"; no hexadecimal floats, no "inf"/"nan".
std::optional<double> ParseDouble(std::string_view text);

} // namespace platform::NumberFormat
