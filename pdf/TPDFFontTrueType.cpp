#include "pdf/TPDFFontTrueType.h"

#include "pdf/TPDFDocument.h"

namespace pdf {

TPDFFontTrueType::TPDFFontTrueType(TPDFDocument& owner)
    : TPDFFont(owner), Descriptor(std::make_unique<TPDFFontDescriptor>(owner)) {
    Subtype = "TrueType";
}

void TPDFFontTrueType::WriteObject() {
    BeginObject();
    WriteFontHeader();
    Owner.PutLine("/FirstChar " + std::to_string(FirstChar));
    Owner.PutLine("/LastChar " + std::to_string(LastChar));
    // Ten widths a line, each line ending after a code whose last digit is 9.
    Owner.Put("/Widths [");
    for (int code = FirstChar; code <= LastChar; ++code) {
        const int width = code >= 0 && code < 256 ? Widths[static_cast<size_t>(code)] : 0;
        Owner.Put(std::to_string(width) + " ");
        if (code % 10 == 9) Owner.PutLine("");
    }
    Owner.PutLine("]");
    Owner.PutLine("/FontDescriptor " + std::to_string(Descriptor->ObjectNumber) + " 0 R");
    Owner.PutLine(">>");
    EndObject();
}

} // namespace pdf
