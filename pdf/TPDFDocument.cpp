#include "pdf/TPDFDocument.h"

#include "pdf/PdfFormat.h"
#include "pdf/TPDFFontTrueType.h"
#include "report/ReportStream.h"

#include <chrono>

namespace pdf {

namespace {

std::tm LocalTime(std::time_t moment) {
    std::tm result{};
    localtime_r(&moment, &result);
    return result;
}

} // namespace

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

TPDFDocument::TPDFDocument(const TPDFOptions& options)
    : Options(options), Catalog(std::make_unique<TPDFCatalog>(*this)),
      PageTree(std::make_unique<TPDFPages>(*this)) {
    AddPage();
    Outlines = std::make_unique<TPDFOutlines>(*this);
    ProcSet = std::make_unique<TPDFProcSet>(*this);
}

TPDFPage& TPDFDocument::AddPage() {
    PageList.push_back(std::make_unique<TPDFPage>(*this));
    return *PageList.back();
}

std::string TPDFDocument::AddImage(const TPdfJpegImage& Image, const std::string& Key) {
    auto object = std::make_unique<TPDFXObject>(*this);
    object->JPEGImage = Image;
    object->JPEGImage.Quality = 100;
    object->ImageName = "G" + std::to_string(ImageList.size() + 1);
    ImageList.push_back(std::move(object));
    if (!Key.empty()) ImageKeys_[Key] = ImageList.back().get();
    return ImageList.back()->ImageName;
}

const TPDFXObject* TPDFDocument::FindImage(const std::string& Key) const {
    const auto found = ImageKeys_.find(Key);
    return found == ImageKeys_.end() ? nullptr : found->second;
}

TPDFDocument::TOutputScope::TOutputScope(TPDFDocument& document, std::string& target)
    : Document_(document), Previous_(document.Output_) {
    Document_.Output_ = &target;
}

TPDFDocument::TOutputScope::~TOutputScope() {
    Document_.Output_ = Previous_;
}

void TPDFDocument::Put(std::string_view text) {
    if (Output_) Output_->append(text);
}

void TPDFDocument::PutLine(std::string_view text) {
    if (!Output_) return;
    Output_->append(text);
    Output_->append("\r\n");
}

std::string TPDFDocument::Compress(const std::string& Data, std::string& Method) const {
    TMemoryStream input(std::vector<uint8_t>(Data.begin(), Data.end()));
    TMemoryStream output;
    Method = "FlateDecode";
    Options.OnCompress(input, output, Method);
    return std::string(output.Bytes().begin(), output.Bytes().end());
}

void TPDFDocument::NumberObjects() {
    Catalog->ObjectNumber = 1;
    Outlines->ObjectNumber = 2;
    PageTree->ObjectNumber = 3;
    int next = 4;
    for (auto& page : PageList) {
        page->ObjectNumber = next++;
        page->Content->ObjectNumber = next++;
    }
    ProcSet->ObjectNumber = next++;
    for (auto& font : FontList) {
        font->ObjectNumber = next++;
        if (auto* trueType = dynamic_cast<TPDFFontTrueType*>(font.get())) {
            trueType->Descriptor->ObjectNumber = next++;
            if (Options.EmbedFonts && trueType->Embeddable && trueType->FontFile)
                trueType->FontFile->ObjectNumber = next++;
        }
    }
    for (auto& image : ImageList)
        image->ObjectNumber = next++;
}

void TPDFDocument::WriteObject(std::string& file, TPDFObject& object) {
    XrefList.push_back(file.size());
    std::string text;
    {
        const TOutputScope scope(*this, text);
        object.WriteObject();
    }
    file += text;
}

std::string TPDFDocument::Write() {
    NumberObjects();
    XrefList.clear();
    // The second line's four bytes above 127 mark the file as binary for transfer programs.
    std::string file = "%PDF-1.3\r\n%\xE2\xE3\xCF\xD3\r\n\r\n";
    WriteObject(file, *Catalog);
    WriteObject(file, *Outlines);
    WriteObject(file, *PageTree);
    for (auto& page : PageList) {
        WriteObject(file, *page);
        WriteObject(file, *page->Content);
    }
    WriteObject(file, *ProcSet);
    for (auto& font : FontList) {
        WriteObject(file, *font);
        if (auto* trueType = dynamic_cast<TPDFFontTrueType*>(font.get())) {
            WriteObject(file, *trueType->Descriptor);
            if (Options.EmbedFonts && trueType->Embeddable && trueType->FontFile)
                WriteObject(file, *trueType->FontFile);
        }
    }
    for (auto& image : ImageList)
        WriteObject(file, *image);
    WriteInfoDictionary(file);
    WriteXrefAndTrailer(file);
    return file;
}

void TPDFDocument::WriteInfoDictionary(std::string& file) {
    XrefList.push_back(file.size());
    const TOutputScope scope(*this, file);
    const TPDFDocInfo& info = Options.DocInfo;
    PutLine(std::to_string(XrefList.size()) + " 0 obj");
    PutLine("<<");
    const std::pair<const char*, const std::string*> entries[] = {
        {"/Title", &info.Title},       {"/Author", &info.Author},   {"/Subject", &info.Subject},
        {"/Keywords", &info.KeyWords}, {"/Creator", &info.Creator}, {"/Producer", &info.Producer},
    };
    for (const auto& [key, value] : entries) {
        if (!value->empty()) PutLine(std::string(key) + " (" + EscapeText(*value) + ")");
    }
    const std::time_t now = Options.Clock
                                ? Options.Clock()
                                : std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    PutLine("/CreationDate (D:" + PDFDate(LocalTime(now)) + ")");
    PutLine(">>");
    PutLine("endobj");
    PutLine("");
}

void TPDFDocument::WriteXrefAndTrailer(std::string& file) {
    XrefStart = file.size();
    const TOutputScope scope(*this, file);
    const size_t count = XrefList.size();
    PutLine("xref");
    PutLine("0 " + std::to_string(count + 1));
    PutLine("0000000000 65535 f");
    for (uint64_t offset : XrefList)
        PutLine(FormatOffset10(offset) + " 00000 n");
    PutLine("");
    PutLine("trailer");
    PutLine("<<");
    PutLine("/Size " + std::to_string(count + 1));
    PutLine("/Root " + std::to_string(Catalog->ObjectNumber) + " 0 R");
    PutLine("/Info " + std::to_string(count) + " 0 R");
    PutLine(">>");
    PutLine("");
    PutLine("startxref");
    PutLine(std::to_string(XrefStart));
    PutLine("%%EOF");
}

} // namespace pdf
