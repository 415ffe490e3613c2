#include "report/FormatText.h"

#include "platform/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

int64_t TFmtArg::AsInt() const {
    switch (Kind_) {
    case fkInt:
        return Int_;
    case fkFloat:
        return std::isfinite(Float_) ? static_cast<int64_t>(Float_) : 0;
    case fkText:
        return 0;
    }
    return 0;
}

double TFmtArg::AsFloat() const {
    switch (Kind_) {
    case fkInt:
        return static_cast<double>(Int_);
    case fkFloat:
        return Float_;
    case fkText:
        return 0;
    }
    return 0;
}

namespace {

struct TConversion {
    bool Left = false, Zero = false, Plus = false, Space = false;
    int Width = 0;
    int Precision = -1;
    char Letter = 0;
};

std::string FloatText(double Value, char Conv, int Precision) {
    if (Precision < 0) Precision = 6;
    return Conv == 'g' ? platform::NumberFormat::General(Value, Precision)
                       : platform::NumberFormat::Fixed(Value, Precision);
}

std::string IntText(const TFmtArg& Arg, char Conv, int Precision) {
    const int64_t Value = Arg.AsInt();
    char Buf[32];
    if (Conv != 'x' && Conv != 'X' && Conv != 'u') return platform::NumberFormat::Integer(Value, Precision);
    std::to_chars_result Result{};
    if (Conv == 'x' || Conv == 'X') {
        Result = std::to_chars(
            Buf, Buf + sizeof Buf,
            static_cast<uint64_t>(Value) & (Value < 0 && Value >= INT32_MIN ? 0xFFFFFFFFull : ~0ull), 16);
    } else {
        Result = std::to_chars(Buf, Buf + sizeof Buf, static_cast<uint64_t>(Value));
    }
    std::string Digits(Buf, Result.ptr);
    if (Conv == 'X')
        for (char& C : Digits)
            if (C >= 'a' && C <= 'f') C = static_cast<char>(C - 'a' + 'A');
    if (Precision > static_cast<int>(Digits.size()))
        Digits.insert(0, static_cast<size_t>(Precision) - Digits.size(), '0');
    return Digits;
}

void Pad(std::string& Out, std::string Body, const TConversion& Conv, bool Numeric) {
    if (Numeric && Body.front() != '-') {
        if (Conv.Plus)
            Body.insert(0, 1, '+');
        else if (Conv.Space)
            Body.insert(0, 1, ' ');
    }
    const int Missing = Conv.Width - static_cast<int>(Body.size());
    if (Missing <= 0) {
        Out += Body;
    } else if (Conv.Left) {
        Out += Body;
        Out.append(static_cast<size_t>(Missing), ' ');
    } else if (Conv.Zero && Numeric) {
        const size_t SignLen = (Body.front() == '-' || Body.front() == '+' || Body.front() == ' ') ? 1 : 0;
        Body.insert(SignLen, static_cast<size_t>(Missing), '0');
        Out += Body;
    } else {
        Out.append(static_cast<size_t>(Missing), ' ');
        Out += Body;
    }
}

int ReadNumber(std::string_view Fmt, size_t& I) {
    int N = 0;
    while (I < Fmt.size() && Fmt[I] >= '0' && Fmt[I] <= '9' && N < 100000)
        N = N * 10 + (Fmt[I++] - '0');
    return N;
}

} // namespace

std::string FormatText(std::string_view Fmt, std::initializer_list<TFmtArg> Args) {
    std::string Out;
    Out.reserve(Fmt.size() + 16);
    auto Next = Args.begin();
    size_t I = 0;
    while (I < Fmt.size()) {
        const char C = Fmt[I++];
        if (C != '%' || I >= Fmt.size()) {
            Out += C;
            continue;
        }
        if (Fmt[I] == '%') {
            Out += '%';
            ++I;
            continue;
        }
        TConversion Conv;
        for (; I < Fmt.size(); ++I) {
            const char F = Fmt[I];
            if (F == '-')
                Conv.Left = true;
            else if (F == '0')
                Conv.Zero = true;
            else if (F == '+')
                Conv.Plus = true;
            else if (F == ' ')
                Conv.Space = true;
            else
                break;
        }
        Conv.Width = ReadNumber(Fmt, I);
        if (I < Fmt.size() && Fmt[I] == '.') {
            ++I;
            Conv.Precision = ReadNumber(Fmt, I);
        }
        while (I < Fmt.size() && (Fmt[I] == 'l' || Fmt[I] == 'h' || Fmt[I] == 'z'))
            ++I;
        if (I >= Fmt.size()) break;
        Conv.Letter = Fmt[I++];
        if (Next == Args.end()) continue;
        const TFmtArg& Arg = *Next++;
        switch (Conv.Letter) {
        case 'd':
        case 'i':
        case 'u':
        case 'x':
        case 'X':
            Pad(Out, IntText(Arg, Conv.Letter, Conv.Precision), Conv, true);
            break;
        case 'f':
        case 'g':
            Pad(Out, FloatText(Arg.AsFloat(), Conv.Letter, Conv.Precision), Conv, true);
            break;
        case 'c':
            Pad(Out, std::string(1, static_cast<char>(Arg.AsInt())), Conv, false);
            break;
        case 's': {
            std::string_view Text = Arg.AsText();
            if (Conv.Precision >= 0 && static_cast<size_t>(Conv.Precision) < Text.size())
                Text = Text.substr(0, static_cast<size_t>(Conv.Precision));
            Pad(Out, std::string(Text), Conv, false);
            break;
        }
        default:
            break; // unknown conversion: its argument is consumed, nothing is written
        }
    }
    return Out;
}
