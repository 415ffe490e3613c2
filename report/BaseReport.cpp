// Properties, page selection, status line and the recording lifecycle of the drawing surface.
#include "report/BaseReport.h"
#include "report/PageStreamCodes.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "platform/NumberFormat.h"
#include "report/ReportError.h"
#include "report/TextMeasurer.h"

namespace {

constexpr double UnitFactors[] = {1, 25.4, 2.54, 72};

std::string Trimmed(std::string_view Text) {
    size_t B = 0, E = Text.size();
    while (B < E && std::isspace(static_cast<unsigned char>(Text[B])))
        ++B;
    while (E > B && std::isspace(static_cast<unsigned char>(Text[E - 1])))
        --E;
    std::string Out(Text.substr(B, E - B));
    for (char& C : Out)
        C = static_cast<char>(std::toupper(static_cast<unsigned char>(C)));
    return Out;
}

// Whether one item of a selection text ("3", "2-5", "-4", "7-", "EVEN", ...) selects Page.
bool ItemSelects(const std::string& Item, int Page) {
    if (Item == "E" || Item == "EVEN") return Page % 2 == 0;
    if (Item == "O" || Item == "ODD") return Page % 2 != 0;
    if (Item == "A" || Item == "ALL") return true;
    const size_t Dash = Item.find('-');
    if (Dash == std::string::npos) {
        const auto N = platform::NumberFormat::ParseInt32(Item);
        return N && *N == Page;
    }
    const std::string From = Item.substr(0, Dash);
    const std::string To = Item.substr(Dash + 1);
    const auto A = From.empty() ? std::optional<int32_t>(1) : platform::NumberFormat::ParseInt32(From);
    if (!A) return false;
    if (To.empty()) return Page >= *A;
    const auto B = platform::NumberFormat::ParseInt32(To);
    return B && Page >= *A && Page <= *B;
}

} // namespace

TBaseReport::TBaseReport() : Measurer_(&DefaultTextMeasurer()) {}

TBaseReport::~TBaseReport() = default;

void TBaseReport::SetUnits(TPrintUnits Value) {
    Units_ = Value;
    if (Value != unUser) UnitsFactor_ = UnitFactors[Value];
}

void TBaseReport::SetUnitsFactor(double Value) {
    if (!(Value > 0)) return;
    UnitsFactor_ = Value;
    Units_ = unUser;
    for (int U = unInch; U <= unPoint; ++U)
        if (UnitFactors[U] == Value) Units_ = static_cast<TPrintUnits>(U);
}

const TReferenceDevice& TBaseReport::Canvas() const {
    if (!Printing_) throw EReportError("Error!  Canvas not yet active.");
    return Device_;
}

bool TBaseReport::NoOutput() const {
    return PageSuppressed_ || !OutputAllowed(ocRecorder);
}

bool TBaseReport::PageSelected(int PageNum) const {
    if (Selection_.empty()) return PageNum >= FirstPage_ && PageNum <= LastPage_;
    size_t Start = 0;
    while (Start <= Selection_.size()) {
        size_t Comma = Selection_.find(',', Start);
        if (Comma == std::string::npos) Comma = Selection_.size();
        if (ItemSelects(Trimmed(std::string_view(Selection_).substr(Start, Comma - Start)), PageNum))
            return true;
        Start = Comma + 1;
    }
    return false;
}

std::string TBaseReport::StatusLine() const {
    const std::string& Fmt = StatusFormat_;
    const auto Printer = [this](const std::string& Value) { return Device_.HasPrinter ? Value : "Render"; };
    std::string Out;
    for (size_t I = 0; I < Fmt.size(); ++I) {
        if (Fmt[I] != '%' || I + 1 >= Fmt.size()) {
            Out += Fmt[I];
            continue;
        }
        const char C = static_cast<char>(std::toupper(static_cast<unsigned char>(Fmt[++I])));
        if (C >= '0' && C <= '9') {
            const size_t Line = static_cast<size_t>(C - '0');
            if (Line < StatusText_.size()) Out += StatusText_[Line];
            continue;
        }
        switch (C) {
        case '%':
            Out += '%';
            break;
        case 'C':
            Out += std::to_string(CurrentCopy_);
            break;
        case 'D':
            Out += Printer(Device_.DeviceName);
            break;
        case 'R':
            Out += Printer(Device_.Port);
            break;
        case 'T':
            Out += Printer(Device_.Driver);
            break;
        case 'F':
            Out += std::to_string(FirstPage_);
            break;
        case 'L':
            Out += std::to_string(LastPage_);
            break;
        case 'N':
            Out += '\n';
            break;
        case 'P':
            Out += std::to_string(CurrentPage_);
            break;
        case 'S':
            // Collated copies come out as whole sets, one per copy; otherwise all are one set.
            Out += std::to_string(Collate_ ? CurrentCopy_ : 1);
            break;
        default:
            Out += '%';
            Out += Fmt[I];
            break;
        }
    }
    return Out;
}

void TBaseReport::CheckPrinting() const {
    if (!Printing_) throw EReportError("Invalid method call.  Report is not printing.");
}

void TBaseReport::CheckTextLength(const std::string& Text) {
    if (Text.size() > 16383)
        throw EReportError("Text of " + std::to_string(Text.size()) +
                           " bytes is too long for the report file (16383 at most).");
}

bool TBaseReport::BeginOp() const {
    CheckPrinting();
    return !NoOutput();
}

// ---------------------------------------------------------------------------------------------
// Lifecycle

void TBaseReport::Start() {
    if (Printing_) throw EReportError("Invalid method call.  Report already printing.");
    if (StreamMode_ == smUser && !UserStream_) throw EReportError("StreamMode is smUser but Stream is nil");
    Aborted_ = false;
    CurrentPage_ = 1;
    PageCount_ = 0;
    AllowedOutput_ = 0x7;
    PageDiscarded_ = false;
    ReuseSlot_ = 0;
    PageSuppressed_ = !PageSelected(CurrentPage_);
    UpdateFont(); // not printing yet: refreshes the size only
    BeginRecording();
    Printing_ = true;
    if (!PageSuppressed_) {
        PageCount_ = 1;
        OpenPageRecord();
    }
    if (StatusLabel) StatusLabel(StatusLine());
    if (OnBeforePrint) OnBeforePrint(*this);
    if (OnNewPage) OnNewPage(*this);
    if (OnPrintHeader) OnPrintHeader(*this);
}

void TBaseReport::Execute() {
    Start();
    try {
        if (OnPrint || !OnPrintPage) {
            if (OnPrint) OnPrint(*this);
        } else {
            while (!Aborted_ && OnPrintPage(*this, CurrentPage_) && !Aborted_)
                NewPage();
        }
    } catch (...) {
        // A failed run saves nothing and leaves no surface stuck in the printing state.
        Aborted_ = true;
        PageSuppressed_ = true;
        Printing_ = false;
        AbandonRecording();
        throw;
    }
    Finish();
}

void TBaseReport::NewPage() {
    CheckPrinting();
    if (OnPrintFooter) OnPrintFooter(*this);
    ClosePageRecord();
    // Until the next record opens there is no page an abort (from the status line) could drop.
    PageSuppressed_ = true;
    ++CurrentPage_;
    PageDiscarded_ = false;
    if (StatusLabel) StatusLabel(StatusLine());
    PageSuppressed_ = Aborted_ || !PageSelected(CurrentPage_);
    if (!PageSuppressed_) {
        ++PageCount_;
        OpenPageRecord();
    }
    if (OnNewPage) OnNewPage(*this);
    if (OnPrintHeader) OnPrintHeader(*this);
}

void TBaseReport::Finish() {
    CheckPrinting();
    if (!Aborted_ && OnPrintFooter) OnPrintFooter(*this);
    ClosePageRecord();
    Printing_ = false;
    EndRecording();
    if (OnAfterPrint) OnAfterPrint(*this);
}

void TBaseReport::Abort() {
    Aborted_ = true;
    if (Printing_ && !PageSuppressed_) {
        DropPageRecord();
        --PageCount_;
    }
    PageSuppressed_ = true;
}

void TBaseReport::DiscardPage() {
    CheckPrinting();
    if (PageDiscarded_) return;
    if (!PageSuppressed_) {
        DropPageRecord();
        --PageCount_;
    }
    PageSuppressed_ = true;
    PageDiscarded_ = true;
    --CurrentPage_;
}

// ---------------------------------------------------------------------------------------------
// Recorded state setters

void TBaseReport::SetScaleX(double Value) {
    ScaleX_ = Value;
    if (Printing_ && !NoOutput()) {
        WriteByte(pcScaleX);
        WriteSingle(Value);
    }
}

void TBaseReport::SetScaleY(double Value) {
    ScaleY_ = Value;
    if (Printing_ && !NoOutput()) {
        WriteByte(pcScaleY);
        WriteSingle(Value);
    }
    UpdateFont(); // font heights follow ScaleY
}

void TBaseReport::SetOrientation(TOrientation Value) {
    Orientation_ = Value;
    if (Printing_ && !NoOutput()) {
        WriteByte(pcOrientation);
        WriteByte(Value);
    }
}

void TBaseReport::SetTextBKMode(TBKMode Value) {
    TextBKMode_ = Value;
    if (Printing_ && !NoOutput()) {
        WriteByte(pcTextBKMode);
        WriteByte(Value);
    }
}

void TBaseReport::SetBackgroundColor(TColor Value) {
    BackgroundColor_ = Value;
    if (Printing_ && !NoOutput()) {
        WriteByte(pcBackgroundColor);
        WriteInt(Value);
    }
}

void TBaseReport::SetReportVar(const std::string& Name, const std::string& Value) {
    if (Value.size() > 253) throw EReportError("Report variable \"" + Name + "\" is longer than 253 bytes.");
    CheckTextLength(Name);
    auto Found =
        std::find_if(Variables_.begin(), Variables_.end(), [&](const auto& V) { return V.first == Name; });
    if (Found != Variables_.end())
        Found->second = Value;
    else
        Variables_.emplace_back(Name, Value);
    if (Printing_ && !NoOutput()) RecordVariable(Name, Value);
}

// ---------------------------------------------------------------------------------------------
// Positions

void TBaseReport::WritePoint(double X, double Y) {
    WriteSingle((X / UnitsFactor_ + OriginX_) * ScaleX_ / 100);
    WriteSingle((Y / UnitsFactor_ + OriginY_) * ScaleY_ / 100);
}

void TBaseReport::WriteWidth(double W) {
    WriteSingle(W / UnitsFactor_ * ScaleX_ / 100);
}
void TBaseReport::WriteInchX(double X) {
    WriteSingle((X + OriginX_) * ScaleX_ / 100);
}
void TBaseReport::WriteInchY(double Y) {
    WriteSingle((Y + OriginY_) * ScaleY_ / 100);
}

void TBaseReport::WritePixelPoint(int32_t X, int32_t Y) {
    WriteSingle(static_cast<double>(X) / Device_.XDPI + Device_.MarginLeft);
    WriteSingle(static_cast<double>(Y) / Device_.YDPI + Device_.MarginTop);
}

void TBaseReport::WritePixelRect(const TRect& Rect) {
    WritePixelPoint(Rect.Left, Rect.Top);
    WritePixelPoint(Rect.Right, Rect.Bottom);
}
