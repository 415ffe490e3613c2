// The component, the document lifecycle and the write operations of TRenderPDF.
#include "pdf/TRenderPDF.h"

#include "pdf/PdfFileExport.h"
#include "platform/NumberFormat.h"
#include "report/PageConverter.h"
#include "report/ReportError.h"
#include "report/SetupOptions.h"

#include <algorithm>

namespace pdf {

TRenderPDF::TRenderPDF() {
    SetDisplayName("Portable Document Format (PDF)");
    SetFileExtension("*.pdf");
}

TRenderPDF::~TRenderPDF() {
    try {
        FreeDocument();
    } catch (...) {
        // A destructor must not throw; the output file is simply not committed.
    }
}

std::string TRenderPDF::OutputNameWithExtension(const std::string& FileName, const std::string& Extension) {
    std::string suffix = Extension.substr(std::min(Extension.find('.'), Extension.size()));
    if (suffix.empty()) suffix = Extension;
    suffix.resize(std::min(suffix.find(';'), suffix.size()));
    return AppendExtensionWhenNoDot(FileName, suffix);
}

void TRenderPDF::RenderToFile(TStream* Stream, const std::string& OutputFileName) {
    const std::string fileName = OutputNameWithExtension(OutputFileName, FileExtension());
    // The one way a PDF file is written: a stream that fails to play, at its header or halfway,
    // leaves no file and an old file as it was.
    if (Stream) {
        ExportPdf(*this, *Stream, fileName);
        return;
    }
    TFileStream input(InputFileName(), fmOpenRead);
    ExportPdf(*this, input, fileName);
}

void TRenderPDF::DocBegin() {
    CurrentFont = nullptr;
    CurrentPage = nullptr;
    Document.reset();
    Document = std::make_unique<TPDFDocument>(static_cast<const TPDFOptions&>(*this));
    CurrentPage = Document->PageList.back().get();
    FontSize = 12;
    FirstPagePending = true;
    ResampledPixels_ = 0;
    // A reader starts every document with the default pen and brush. A report without pages
    // still needs one page: it takes the report's own page size when that is a usable one (each
    // page record brings its own size otherwise).
    if (Converter()) {
        Pen = TReportPen{};
        Brush = TReportBrush{};
        const TPageStreamHeader& header = Converter()->Header();
        if (PageSideFits(header.PageWidth) && PageSideFits(header.PageHeight)) {
            CurrentPage->PageWidth = header.PageWidth;
            CurrentPage->PageHeight = header.PageHeight;
        }
    }
}

void TRenderPDF::PageBegin() {
    if (!Document) return;
    CheckPageSize(PageWidth(), PageHeight());
    if (FirstPagePending) {
        FirstPagePending = false;
    } else {
        TPDFPage& page = Document->AddPage();
        page.TextColor = CurrentPage->TextColor;
        page.PenColor = CurrentPage->PenColor;
        page.BrushColor = CurrentPage->BrushColor;
        CurrentPage = &page;
    }
    CurrentPage->PageWidth = PageWidth();
    CurrentPage->PageHeight = PageHeight();
}

void TRenderPDF::PageEnd() {}

bool TRenderPDF::PageSideFits(double Inches) {
    return Inches * 72 >= MinPageSide && Inches * 72 <= MaxPageSide;
}

void TRenderPDF::CheckPageSize(double Width, double Height) const {
    if (PageSideFits(Width) && PageSideFits(Height)) return;
    const int page = Converter() ? Converter()->CurrentPage() : static_cast<int>(Document->PageList.size());
    throw EReportError("Page " + std::to_string(page) + " of the report measures " +
                       platform::NumberFormat::General(Width, 6) + " x " +
                       platform::NumberFormat::General(Height, 6) +
                       " inches; a PDF page measures from 3/72 to 200 inches each way.");
}

void TRenderPDF::DocEnd() {
    if (!Document) return; // no document was begun: nothing to write
    try {
        const std::string file = Document->Write();
        if (OutputStream()) {
            OutputStream()->Write(file.data(), file.size());
        } else {
            // Whole or nothing: the file appears only when every byte is written.
            SaveBytesToFile(OutputFileName(), std::vector<uint8_t>(file.begin(), file.end()));
        }
    } catch (...) {
        FreeDocument();
        throw;
    }
    FreeDocument();
}

void TRenderPDF::FreeDocument() {
    CurrentFont = nullptr;
    CurrentPage = nullptr;
    Document.reset();
    CloseOutput();
}

void TRenderPDF::Put(std::string_view text) {
    if (CurrentPage) CurrentPage->Content->ContentStream.append(text);
}

void TRenderPDF::PutLine(std::string_view text) {
    Put(text);
    Put("\r\n");
}

void TRenderPDF::PenChanged(const TReportPen& Sender) {
    Pen = Sender;
}

void TRenderPDF::BrushChanged(const TReportBrush& Sender) {
    Brush = Sender;
}

} // namespace pdf
