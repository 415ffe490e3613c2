#include "pdf/TPDFPage.h"

#include "pdf/PdfFormat.h"
#include "pdf/TPDFDocument.h"

namespace pdf {

TPDFPage::TPDFPage(TPDFDocument& owner)
    : TPDFObject(owner), Content(std::make_unique<TPDFPageContent>(owner)) {}

void TPDFPage::WriteObject() {
    BeginObject();
    Owner.PutLine("<<");
    Owner.PutLine("/Type /Page");
    Owner.PutLine("/Parent " + std::to_string(Owner.PageTree->ObjectNumber) + " 0 R");
    Owner.PutLine("/Resources <<");
    // Every page names every font and image of the document, used or not.
    if (!Owner.FontList.empty()) {
        Owner.PutLine("/Font <<");
        for (const auto& font : Owner.FontList)
            Owner.PutLine("/" + font->ResourceName + " " + std::to_string(font->ObjectNumber) + " 0 R ");
        Owner.PutLine(">>");
    }
    if (!Owner.ImageList.empty()) {
        Owner.PutLine("/XObject <<");
        for (const auto& image : Owner.ImageList)
            Owner.PutLine("/" + image->ImageName + " " + std::to_string(image->ObjectNumber) + " 0 R");
        Owner.PutLine(">>");
    }
    Owner.PutLine("/ProcSet " + std::to_string(Owner.ProcSet->ObjectNumber) + " 0 R");
    Owner.PutLine(">>");
    Owner.PutLine("/MediaBox [0 0 " + FormatFixed4(PageWidth * 72) + " " + FormatFixed4(PageHeight * 72) +
                  "]");
    Owner.PutLine("/Contents " + std::to_string(ObjectNumber + 1) + " 0 R");
    Owner.PutLine(">>");
    EndObject();
}

} // namespace pdf
