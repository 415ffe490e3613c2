// Object numbering and the file layout: header, objects, cross-reference table and trailer.
#include "pdf/PdfFormat.h"
#include "pdf/TPDFFontTrueType.h"
#include "pdf/TRenderPDF.h"

#include <chrono>

namespace pdf {

namespace {

std::tm LocalTime(std::time_t moment) {
    std::tm result{};
    localtime_r(&moment, &result);
    return result;
}

} // namespace

void TRenderPDF::NumberObjects() {
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
            if (EmbedFonts && trueType->Embeddable && trueType->FontFile)
                trueType->FontFile->ObjectNumber = next++;
        }
    }
    for (auto& image : ImageList)
        image->ObjectNumber = next++;
}

void TRenderPDF::AddXrefEntry() {
    XrefList.push_back(DocStream->Position());
}

void TRenderPDF::WriteObjectToDocument(TPDFObject& Object) {
    AddXrefEntry();
    Object.WriteObject();
    DocStream->WriteString(Object.Buffer);
    Object.Buffer.clear();
    Object.Buffer.shrink_to_fit();
}

void TRenderPDF::WriteDocument() {
    NumberObjects();
    // The second line's four bytes above 127 mark the file as binary for transfer programs.
    DocStream->WriteString("%PDF-1.3\r\n%\xE2\xE3\xCF\xD3\r\n\r\n");
    WriteObjectToDocument(*Catalog);
    WriteObjectToDocument(*Outlines);
    WriteObjectToDocument(*PageTree);
    for (auto& page : PageList) {
        WriteObjectToDocument(*page);
        WriteObjectToDocument(*page->Content);
    }
    WriteObjectToDocument(*ProcSet);
    for (auto& font : FontList) {
        WriteObjectToDocument(*font);
        if (auto* trueType = dynamic_cast<TPDFFontTrueType*>(font.get())) {
            WriteObjectToDocument(*trueType->Descriptor);
            if (EmbedFonts && trueType->Embeddable && trueType->FontFile)
                WriteObjectToDocument(*trueType->FontFile);
        }
    }
    for (auto& image : ImageList)
        WriteObjectToDocument(*image);
    WriteInfoDictionary();
    WriteXrefAndTrailer();
    Output = nullptr;
}

void TRenderPDF::WriteInfoDictionary() {
    AddXrefEntry();
    std::string text;
    SetOutput(&text);
    PutLine(std::to_string(XrefList.size()) + " 0 obj");
    PutLine("<<");
    const std::pair<const char*, const std::string*> entries[] = {
        {"/Title", &DocInfo.Title},       {"/Author", &DocInfo.Author},   {"/Subject", &DocInfo.Subject},
        {"/Keywords", &DocInfo.KeyWords}, {"/Creator", &DocInfo.Creator}, {"/Producer", &DocInfo.Producer},
    };
    for (const auto& [key, value] : entries) {
        if (!value->empty()) PutLine(std::string(key) + " (" + EscapeText(*value) + ")");
    }
    const std::time_t now =
        Clock ? Clock() : std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    PutLine("/CreationDate (D:" + PDFDate(LocalTime(now)) + ")");
    PutLine(">>");
    PutLine("endobj");
    PutLine("");
    DocStream->WriteString(text);
}

void TRenderPDF::WriteXrefAndTrailer() {
    XrefStart = DocStream->Position();
    std::string text;
    SetOutput(&text);
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
    DocStream->WriteString(text);
}

} // namespace pdf
