// printf-style formatting that never depends on the locale: the numbers are those of
// platform::NumberFormat, with "." as the decimal separator. Supported conversions: %d %i %u %x %X
// %s %c %f %g (with flags -, 0, +, space, width and precision) and %%. A missing argument formats
// as nothing; a surplus argument is ignored.
#pragma once

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

class TFmtArg {
  public:
    enum TKind : uint8_t { fkInt, fkFloat, fkText };

    template <std::integral T> TFmtArg(T Value) : Kind_(fkInt), Int_(static_cast<int64_t>(Value)) {}
    template <std::floating_point T> TFmtArg(T Value) : Kind_(fkFloat), Float_(static_cast<double>(Value)) {}
    TFmtArg(std::string_view Value) : Kind_(fkText), Text_(Value) {}
    TFmtArg(const std::string& Value) : Kind_(fkText), Text_(Value) {}
    TFmtArg(const char* Value) : Kind_(fkText), Text_(Value ? Value : "") {}

    TKind Kind() const { return Kind_; }
    int64_t AsInt() const;
    double AsFloat() const;
    std::string_view AsText() const { return Text_; }

  private:
    TKind Kind_;
    int64_t Int_ = 0;
    double Float_ = 0;
    std::string_view Text_;
};

std::string FormatText(std::string_view Fmt, std::initializer_list<TFmtArg> Args);
