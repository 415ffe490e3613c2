#include "pdf/TPDFPages.h"

#include "pdf/TPDFDocument.h"

namespace pdf {

void TPDFPages::WriteObject() {
    BeginObject();
    Owner.PutLine("<<");
    Owner.PutLine("/Type /Pages");
    Owner.PutLine("/Count " + std::to_string(Owner.PageList.size()));
    std::string kids;
    for (const auto& page : Owner.PageList) {
        if (!kids.empty()) kids += ' ';
        kids += std::to_string(page->ObjectNumber) + " 0 R";
    }
    Owner.PutLine("/Kids [ " + kids + " ] ");
    Owner.PutLine(">>");
    EndObject();
}

} // namespace pdf
