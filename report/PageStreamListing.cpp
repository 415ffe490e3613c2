#include "report/PageStreamListing.h"

#include "report/FormatText.h"
#include "report/PageStreamDecoder.h"

#include <string>

namespace {

std::string Quoted(const std::string& Text) {
    std::string Out = "\"";
    for (unsigned char C : Text) {
        if (C == '"' || C == '\\')
            Out += std::string("\\") + static_cast<char>(C);
        else if (C >= 32 && C < 127)
            Out += static_cast<char>(C);
        else
            Out += FormatText("\\x%02X", {C});
    }
    return Out + "\"";
}

std::string Number(double V) {
    return FormatText("%.7g", {V});
}

void DumpHeader(std::ostream& Out, const TPageStreamHeader& H) {
    Out << "header " << static_cast<char>(H.HeaderCode) << " version " << H.Version << "\n"
        << "title " << Quoted(H.Title) << "\n"
        << "pages " << H.PageCount << "\n"
        << "first-page " << H.FirstPage << "\n"
        << "last-page " << H.LastPage << "\n"
        << "page-size " << Number(H.PageWidth) << " " << Number(H.PageHeight) << "\n"
        << "device-margins " << Number(H.MarginLeft) << " " << Number(H.MarginRight) << " "
        << Number(H.MarginTop) << " " << Number(H.MarginBottom) << "\n"
        << "orientation " << int{H.Orientation} << "\n"
        << "paper-bin " << H.PaperBin << "\n"
        << "collate " << int{H.Collate} << "\n"
        << "duplex " << int{H.Duplex} << "\n"
        << "copies " << H.Copies << "\n"
        << "paper-size " << H.PaperSize << "\n"
        << "paper-width " << H.PaperWidth << "\n"
        << "paper-length " << H.PaperLength << "\n"
        << "device " << Quoted(H.DeviceName) << "\n";
}

std::string GraphicText(const TCommand& C) {
    std::string Text = "graphic(type=" + std::to_string(C.Graphic.Type);
    if (C.GraphicRef >= 0) Text += ",ref=" + std::to_string(C.GraphicRef);
    return Text + ",size=" + std::to_string(C.Graphic.Data.size()) + ")";
}

// The operands of C in stream order, as the code table lays them out.
std::string Operands(const TCommand& C) {
    std::string Out;
    int F = 0, I = 0, S = 0;
    auto Add = [&](const std::string& Part) { Out += " " + Part; };
    auto Point = [&] {
        const std::string P = "(" + Number(C.F[F]) + "," + Number(C.F[F + 1]) + ")";
        F += 2;
        return P;
    };
    for (const char* Op = C.Info->Operands; *Op; ++Op) {
        switch (*Op) {
        case 'b':
        case 'w':
        case 'i':
            Add(std::to_string(C.I[I++]));
            break;
        case 'f':
        case 'F':
            Add(Number(C.F[F++]));
            break;
        case 'P':
            Add(Point());
            break;
        case 'R': {
            const std::string A = Point();
            Add(A + "-" + Point());
            break;
        }
        case 's':
            Add(Quoted(C.S[S++]));
            break;
        case 'g':
            Add(GraphicText(C));
            break;
        case 'B':
            Add(std::to_string(C.I[I]));
            if (C.I[I++] == 1) Add(GraphicText(C));
            break;
        case 'H': {
            Add(std::to_string(C.I[I++]));
            for (size_t K = 0; K + 1 < C.Points.size(); K += 2)
                Add("(" + Number(C.Points[K]) + "," + Number(C.Points[K + 1]) + ")");
            break;
        }
        case 'N':
            Add("bytes(" + std::to_string(C.I[I++]) + ")");
            break;
        case 'V':
            Add(C.ValueRef >= 0 ? "value(ref=" + std::to_string(C.ValueRef) + ")=" + Quoted(C.Value)
                                : "value=" + Quoted(C.Value));
            break;
        default:
            break;
        }
    }
    return Out;
}

void DumpPage(std::ostream& Out, TPageStreamDecoder& D, int& PageNumber) {
    const TPageHead Head = D.ReadPageHead();
    PageNumber = Head.PageNumber;
    Out << "@" << Head.Position << " 80 PageStart previous=" << Head.Previous << " next=" << Head.Next
        << " page=" << Head.PageNumber << " size=" << Number(Head.Width) << "x" << Number(Head.Height)
        << "\n";
    TCommand C;
    do {
        D.ReadCommand(C);
        Out << "@" << C.Position << " " << int{C.Code} << " " << C.Info->Name << Operands(C) << "\n";
    } while (C.Code != pcPageEnd);
}

} // namespace

void ListPageStream(std::ostream& Out, const uint8_t* Data, size_t Size) {
    TPageStreamDecoder D(Data, Size);
    const TPageStreamHeader H = D.ReadHeader();
    DumpHeader(Out, H);
    // A count of 0 with nothing behind the header is a report without pages; with page records
    // behind it the recording stopped early and its first page is shown.
    if (H.PageCount == 0 && D.AtEnd()) return;
    int PageNumber = 0;
    DumpPage(Out, D, PageNumber);
    while (PageNumber < H.PageCount)
        DumpPage(Out, D, PageNumber);
}
