// Text playback: formatted runs measured on the 1248 pixel-per-inch canvas, and text macros.
#include <cctype>
#include <charconv>
#include <cstring>

#include "platform/NumberFormat.h"
#include "report/FormatText.h"
#include "report/PageConverter.h"
#include "report/PageStreamCodes.h"
#include "report/ReportError.h"
#include "report/ReportRender.h"
#include "report/TextMeasurer.h"

namespace {

constexpr char FormatStart = 1;
constexpr char FormatSeparator = 2;
constexpr char FormatIgnored = 3;
constexpr char FormatEnd = 4;
constexpr char MacroMarker = static_cast<char>(253);
constexpr char VariableStart = static_cast<char>(252);
constexpr char VariableEnd = static_cast<char>(251);
constexpr std::string_view PageMacro = "$RPCM";
constexpr std::string_view VariableMacro = "$RPCV";
constexpr int MaxExpansionRounds = 32;

struct TRun {
    TReportFont Font;
    std::string Text;
    double Width = 0; // inches
};

void ClearExtras(TReportFont& Font) {
    Font.CharSet = 1;
    Font.Superscript = Font.Subscript = false;
    Font.Rotation = 0;
    Font.Align = 0;
}

// Applies one entry of a format block (a code letter and its value) to Font.
void ApplyFormat(TReportFont& Font, char Letter, const std::string& Value) {
    const bool On = Value == "1";
    switch (Letter) {
    case 'B':
        Font.Bold = On;
        break;
    case 'I':
        Font.Italic = On;
        break;
    case 'U':
        Font.Underline = On;
        break;
    case 'K':
        Font.StrikeOut = On;
        break;
    case 'P':
        Font.Superscript = On;
        break;
    case 'S':
        Font.Subscript = On;
        break;
    case 'N':
        Font.Name = Value.substr(0, 60);
        break;
    case 'C':
        if (auto Color = platform::NumberFormat::ParseInt32(Value)) Font.Color = *Color;
        break;
    case 'Z':
        if (auto Size = platform::NumberFormat::ParseDouble(Value); Size && *Size > 0 && *Size < 16384)
            Font.Size = *Size;
        break;
    case 'H':
        if (Value == "D")
            Font.Pitch = fpDefault;
        else if (Value == "F")
            Font.Pitch = fpFixed;
        else if (Value == "V")
            Font.Pitch = fpVariable;
        break;
    case 'R':
        Font.Name = "Arial";
        Font.Size = 12;
        [[fallthrough]];
    case 'r':
        Font.Bold = Font.Italic = Font.Underline = Font.StrikeOut = false;
        Font.Color = 0;
        Font.Pitch = fpDefault;
        ClearExtras(Font);
        break;
    default:
        break; // unknown letters are ignored
    }
}

// Splits Text at its format blocks into runs, each with the font in force.
std::vector<TRun> SplitRuns(const std::string& Text, const TReportFont& Start) {
    std::vector<TRun> Runs;
    TReportFont Font = Start;
    std::string Plain;
    size_t I = 0;
    auto Flush = [&] {
        if (!Plain.empty()) Runs.push_back({Font, std::move(Plain), 0});
        Plain.clear();
    };
    while (I < Text.size()) {
        if (Text[I] != FormatStart) {
            Plain += Text[I++];
            continue;
        }
        Flush();
        ++I;
        std::string Entry;
        auto Apply = [&] {
            if (!Entry.empty()) ApplyFormat(Font, Entry[0], Entry.substr(1));
            Entry.clear();
        };
        while (I < Text.size() && Text[I] != FormatEnd) {
            if (Text[I] == FormatSeparator)
                Apply();
            else if (Text[I] != FormatIgnored)
                Entry += Text[I];
            ++I;
        }
        Apply();
        if (I < Text.size()) ++I; // the block's end byte
    }
    Flush();
    return Runs;
}

std::string TwoDigits(int V) {
    return platform::NumberFormat::Integer(V, 2);
}

const char* const MonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
const char* const DayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

} // namespace

void TPageConverter::RenderText(uint8_t Code, const std::string& Text, double X, double Y) {
    const std::string Expanded = ExpandMacros(Text);
    if (Expanded.find(FormatStart) != std::string::npos) {
        RenderFormattedText(Code, Expanded, X, Y);
        return;
    }
    if (Code == pcCenterText)
        Render_.RenderCenterText(Expanded, X, Y);
    else if (Code == pcRightText)
        Render_.RenderRightText(Expanded, X, Y);
    else
        Render_.RenderLeftText(Expanded, X, Y);
}

void TPageConverter::RenderFormattedText(uint8_t Code, const std::string& Text, double X, double Y) {
    std::vector<TRun> Runs = SplitRuns(Text, Font_);
    double Total = 0;
    for (TRun& Run : Runs) {
        const double Em = Run.Font.Size * MeasureDPI / 72.0;
        Run.Width = Measurer_.TextWidth(Run.Font, Em, Run.Text) / MeasureDPI;
        Total += Run.Width;
    }
    double RunX = X;
    if (Code == pcCenterText)
        RunX = X - Total / 2;
    else if (Code == pcRightText)
        RunX = X - Total;
    const TReportFont Saved = Font_;
    for (const TRun& Run : Runs) {
        if (!(Run.Font == Font_)) {
            Font_ = Run.Font;
            NotifyFont();
        }
        Render_.RenderLeftText(Run.Text, RunX, Y);
        RunX += Run.Width;
    }
    // The runs' fonts last for the text only.
    if (!(Saved == Font_)) {
        Font_ = Saved;
        NotifyFont();
    }
}

std::string TPageConverter::MacroText(int Number) const {
    std::tm T{};
    localtime_r(&Now_, &T);
    const int Year = T.tm_year + 1900;
    const int Hour12 = T.tm_hour % 12 == 0 ? 12 : T.tm_hour % 12;
    switch (Number) {
    case 0:
        return TwoDigits(T.tm_mon + 1) + "/" + TwoDigits(T.tm_mday) + "/" + std::to_string(Year);
    case 1:
        return std::string(DayNames[T.tm_wday % 7]) + ", " + MonthNames[T.tm_mon % 12] + " " +
               std::to_string(T.tm_mday) + ", " + std::to_string(Year);
    case 2:
        return TwoDigits(T.tm_mon + 1) + "/" + TwoDigits(T.tm_mday) + "/" + TwoDigits(Year % 100);
    case 3:
        return TwoDigits(T.tm_mday) + "/" + TwoDigits(T.tm_mon + 1) + "/" + TwoDigits(Year % 100);
    case 4:
        return TwoDigits(T.tm_hour) + ":" + TwoDigits(T.tm_min);
    case 5:
        return TwoDigits(T.tm_hour) + ":" + TwoDigits(T.tm_min) + ":" + TwoDigits(T.tm_sec);
    case 6:
        return TwoDigits(Hour12) + ":" + TwoDigits(T.tm_min) + (T.tm_hour < 12 ? " AM" : " PM");
    case 7:
        return TwoDigits(T.tm_hour) + ":" + TwoDigits(T.tm_min);
    case 8:
        return std::to_string(Header_.FirstPage);
    case 9:
        return std::to_string(Header_.LastPage);
    case 10:
        return std::to_string(Header_.PageCount);
    case 11:
    case 12:
        return std::to_string(CurrentPage_);
    case 13:
    case 14:
    case 15:
        return "Render";
    default:
        break;
    }
    if (Number >= 16 && Number <= 35) {
        const auto& Lines = Render_.ExtraTexts();
        const size_t Line = static_cast<size_t>(Number - 16);
        return Line < Lines.size() ? Lines[Line] : std::string();
    }
    return {};
}

std::string TPageConverter::ExpandMacros(const std::string& Text) {
    if (Text.find(MacroMarker) == std::string::npos) return Text;
    std::string Current = Text;
    for (int Round = 0; Round < MaxExpansionRounds; ++Round) {
        std::string Next;
        Next.reserve(Current.size());
        bool Replaced = false;
        size_t I = 0;
        while (I < Current.size()) {
            const size_t Mark = Current.find(MacroMarker, I);
            if (Mark == std::string::npos) {
                Next.append(Current, I, std::string::npos);
                break;
            }
            Next.append(Current, I, Mark - I);
            const std::string_view Rest = std::string_view(Current).substr(Mark + 1);
            if (Rest.substr(0, PageMacro.size()) == PageMacro && Rest.size() >= PageMacro.size() + 2 &&
                std::isdigit(static_cast<unsigned char>(Rest[5])) &&
                std::isdigit(static_cast<unsigned char>(Rest[6]))) {
                Next += MacroText((Rest[5] - '0') * 10 + (Rest[6] - '0'));
                I = Mark + 8;
                Replaced = true;
            } else if (Rest.substr(0, VariableMacro.size()) == VariableMacro && Rest.size() > 5 &&
                       Rest[5] == VariableStart) {
                const size_t NameStart = Mark + 7;
                size_t NameEnd = Current.find(VariableEnd, NameStart);
                const bool Closed = NameEnd != std::string::npos;
                if (!Closed) NameEnd = Current.size(); // a missing end byte takes the rest as the name
                const auto Found = Variables_.find(Current.substr(NameStart, NameEnd - NameStart));
                if (Found != Variables_.end()) Next += Found->second;
                I = Closed ? NameEnd + 1 : NameEnd;
                Replaced = true;
            } else {
                Next += MacroMarker; // not a macro: kept as it is
                I = Mark + 1;
            }
            if (Next.size() > MaxExpandedText)
                throw EReportError(FormatText("A text on page %d of the report file expands to more than %d "
                                              "bytes.",
                                              {CurrentPage_, MaxExpandedText}));
        }
        Current = std::move(Next);
        if (!Replaced) {
            PageExpansion_ += Current.size();
            if (PageExpansion_ > MaxExpandedPerPage)
                throw EReportError(FormatText("The texts on page %d of the report file expand to more than "
                                              "%d bytes.",
                                              {CurrentPage_, MaxExpandedPerPage}));
            return Current;
        }
    }
    // Still replacing after many rounds: a variable contains its own macro.
    throw EReportError("Text macros in report file expand without end.");
}
