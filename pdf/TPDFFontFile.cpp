#include "pdf/TPDFFontFile.h"

#include "pdf/TPDFDocument.h"

namespace pdf {

void TPDFFontFile::WriteObject() {
    BeginObject();
    if (Owner.CompressionUsed()) {
        std::string method;
        const std::string packed = Owner.Compress(FontData, method);
        Owner.PutLine("<<");
        Owner.PutLine("/Length " + std::to_string(packed.size()) + " ");
        Owner.PutLine("/Length1 " + std::to_string(FontData.size()));
        Owner.PutLine("/Filter [/" + method + "]");
        Owner.PutLine(">>");
        WriteStreamBody(packed);
    } else {
        Owner.PutLine("<< /Length " + std::to_string(FontData.size()) + " ");
        Owner.PutLine("/Length1 " + std::to_string(FontData.size()) + " >>");
        WriteStreamBody(FontData);
    }
    EndObject();
}

} // namespace pdf
