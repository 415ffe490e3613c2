#include "pdf/TPDFCatalog.h"

#include "pdf/TPDFDocument.h"

namespace pdf {

void TPDFCatalog::WriteObject() {
    BeginObject();
    Owner.PutLine("<<");
    Owner.PutLine("/Type /Catalog");
    Owner.PutLine("/Outlines " + std::to_string(Owner.Outlines->ObjectNumber) + " 0 R");
    Owner.PutLine("/Pages " + std::to_string(Owner.PageTree->ObjectNumber) + " 0 R");
    Owner.PutLine(">>");
    EndObject();
}

} // namespace pdf
