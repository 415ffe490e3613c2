#include "pdf/PdfFormat.h"

#include "platform/NumberFormat.h"

#include <algorithm>

namespace pdf {

namespace {

std::string ZeroPadded(uint64_t value, size_t digits) {
    std::string text = std::to_string(value);
    if (text.size() < digits) text.insert(0, digits - text.size(), '0');
    return text;
}

} // namespace

std::string FormatFixed4(double value) {
    return platform::NumberFormat::Fixed(value, 4);
}

std::string FormatCoordinate(double value) {
    return FormatFixed4(std::clamp(value, -MaxCoordinate, MaxCoordinate));
}

std::string FormatG3(double value) {
    return platform::NumberFormat::General(value, 3);
}

std::string FormatInt4(int value) {
    return platform::NumberFormat::Integer(value, 4);
}

std::string FormatOffset10(uint64_t offset) {
    return ZeroPadded(offset, 10);
}

std::string EscapeText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size() + 8);
    for (char c : text) {
        if (c == '(' || c == ')' || c == '\\') escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string PDFDate(const std::tm& t) {
    return ZeroPadded(static_cast<uint64_t>(t.tm_year + 1900), 4) + ZeroPadded(t.tm_mon + 1, 2) +
           ZeroPadded(t.tm_mday, 2) + ZeroPadded(t.tm_hour, 2) + ZeroPadded(t.tm_min, 2) +
           ZeroPadded(t.tm_sec, 2);
}

std::string PDFColor(int32_t color) {
    const uint32_t value = color < 0 ? 0u : static_cast<uint32_t>(color);
    const double red = (value & 0xFF) / 255.0;
    const double green = ((value >> 8) & 0xFF) / 255.0;
    const double blue = ((value >> 16) & 0xFF) / 255.0;
    return FormatG3(red) + " " + FormatG3(green) + " " + FormatG3(blue);
}

} // namespace pdf
