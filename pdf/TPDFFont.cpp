#include "pdf/TPDFFont.h"

#include "pdf/TPDFDocument.h"

namespace pdf {

TPDFFont::TPDFFont(TPDFDocument& owner)
    : TPDFObject(owner), ResourceName("F" + std::to_string(owner.FontList.size() + 1)) {}

void TPDFFont::WriteFontHeader() {
    Owner.PutLine("<<");
    Owner.PutLine("/Type /Font");
    Owner.PutLine("/Subtype /" + Subtype);
    Owner.PutLine("/Name /" + ResourceName);
    Owner.PutLine("/BaseFont /" + BaseFont);
    Owner.PutLine("/Encoding /" + std::string(FontEncodingName(Owner.Options.FontEncoding)));
}

void TPDFFont::WriteObject() {
    BeginObject();
    WriteFontHeader();
    Owner.PutLine(">>");
    EndObject();
}

} // namespace pdf
