#include "pdf/TPDFOutlines.h"

#include "pdf/TPDFDocument.h"

namespace pdf {

void TPDFOutlines::WriteObject() {
    BeginObject();
    Owner.PutLine("<<");
    Owner.PutLine("/Type /Outlines");
    Owner.PutLine("/Count " + std::to_string(Owner.OutlineList.size()));
    Owner.PutLine(">>");
    EndObject();
}

} // namespace pdf
