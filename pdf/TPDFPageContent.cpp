#include "pdf/TPDFPageContent.h"

#include "pdf/TPDFDocument.h"

namespace pdf {

TPDFPageContent::TPDFPageContent(TPDFDocument& owner) : TPDFObject(owner) {
    ContentStream = "2 J\r\n";
}

void TPDFPageContent::WriteObject() {
    BeginObject();
    if (Owner.CompressionUsed()) {
        std::string method;
        const std::string packed = Owner.Compress(ContentStream, method);
        Owner.PutLine("<<");
        Owner.PutLine("/Length " + std::to_string(packed.size()));
        Owner.PutLine("/Filter [/" + method + "]");
        Owner.PutLine(">>");
        WriteStreamBody(packed);
    } else {
        Owner.PutLine("<< /Length " + std::to_string(ContentStream.size()) + " >>");
        WriteStreamBody(ContentStream);
    }
    EndObject();
}

} // namespace pdf
