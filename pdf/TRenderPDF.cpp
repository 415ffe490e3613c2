// The component, the document lifecycle and the write operations of TRenderPDF.
#include "pdf/TRenderPDF.h"

#include "report/PageConverter.h"

namespace pdf {

std::string_view FontEncodingName(TPDFFontEncoding encoding) {
    switch (encoding) {
    case feMacRomanEncoding:
        return "MacRomanEncoding";
    case feMacExpertEncoding:
        return "MacExpertEncoding";
    case feWinAnsiEncoding:
        return "WinAnsiEncoding";
    case fePDFDocEncoding:
        return "PDFDocEncoding";
    case feStandardEncoding:
        return "StandardEncoding";
    }
    return "WinAnsiEncoding";
}

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
    if (FileName.find('.') != std::string::npos) return FileName;
    const size_t dot = Extension.find('.');
    if (dot == std::string::npos) return FileName + Extension;
    std::string suffix = Extension.substr(dot);
    const size_t semicolon = suffix.find(';');
    if (semicolon != std::string::npos) suffix.resize(semicolon);
    return FileName + suffix;
}

void TRenderPDF::RenderToFile(TStream* Stream, const std::string& OutputFileName) {
    const std::string fileName = OutputNameWithExtension(OutputFileName, FileExtension());
    SetOutputFileName(fileName);
    // No output stream: DocEnd saves the finished document whole, so a replay that fails before
    // the document begins leaves neither the file nor a temporary file behind.
    SetOutputStream(nullptr);
    RenderStream(Stream);
}

void TRenderPDF::DocBegin() {
    ReleaseDocumentObjects();
    DocStream = std::make_unique<TMemoryStream>();
    Catalog = std::make_unique<TPDFCatalog>(*this);
    PageTree = std::make_unique<TPDFPages>(*this);
    PageList.push_back(std::make_unique<TPDFPage>(*this));
    CurrentPage = PageList.back().get();
    Outlines = std::make_unique<TPDFOutlines>(*this);
    ProcSet = std::make_unique<TPDFProcSet>(*this);
    FontSize = 12;
    XrefStart = 0;
    FirstPagePending = true;
}

void TRenderPDF::PageBegin() {
    if (!DocStream) return;
    if (FirstPagePending) {
        FirstPagePending = false;
    } else {
        auto page = std::make_unique<TPDFPage>(*this);
        page->TextColor = CurrentPage->TextColor;
        page->PenColor = CurrentPage->PenColor;
        page->BrushColor = CurrentPage->BrushColor;
        PageList.push_back(std::move(page));
        CurrentPage = PageList.back().get();
    }
    CurrentPage->PageWidth = PageWidth();
    CurrentPage->PageHeight = PageHeight();
}

void TRenderPDF::PageEnd() {}

void TRenderPDF::DocEnd() {
    if (!DocStream) return; // no document was begun: nothing to write
    try {
        WriteDocument();
        DocStream->Seek(0);
        if (OutputStream()) {
            OutputStream()->CopyFrom(*DocStream);
        } else {
            // Whole or nothing: the file appears only when every byte is written.
            SaveBytesToFile(OutputFileName(), DocStream->Bytes());
        }
    } catch (...) {
        FreeDocument();
        throw;
    }
    FreeDocument();
}

void TRenderPDF::FreeDocument() {
    ReleaseDocumentObjects();
    CloseOutput();
}

void TRenderPDF::ReleaseDocumentObjects() {
    Catalog.reset();
    Outlines.reset();
    ProcSet.reset();
    CurrentFont = nullptr;
    CurrentPage = nullptr;
    OutlineList.clear();
    PageList.clear();
    ImageList.clear();
    FontList.clear();
    PageTree.reset();
    XrefList.clear();
    DocStream.reset();
    Output = nullptr;
}

void TRenderPDF::Put(std::string_view text) {
    if (Output) Output->append(text);
}

void TRenderPDF::PutLine(std::string_view text) {
    if (Output) {
        Output->append(text);
        Output->append("\r\n");
    }
}

std::string TRenderPDF::Compress(const std::string& Data, std::string& Method) {
    TMemoryStream input(std::vector<uint8_t>(Data.begin(), Data.end()));
    TMemoryStream output;
    Method = "FlateDecode";
    OnCompress(input, output, Method);
    return std::string(output.Bytes().begin(), output.Bytes().end());
}

TReportPen& TRenderPDF::CurrentPen() {
    return Converter() ? Converter()->MutablePen() : Pen;
}

TReportBrush& TRenderPDF::CurrentBrush() {
    return Converter() ? Converter()->MutableBrush() : Brush;
}

} // namespace pdf
