#include "pdf/TPDFObject.h"

#include "pdf/TPDFDocument.h"

namespace pdf {

TPDFObject::TPDFObject(TPDFDocument& owner) : Owner(owner) {}

TPDFObject::~TPDFObject() = default;

void TPDFObject::BeginObject() {
    Owner.PutLine(std::to_string(ObjectNumber) + " 0 obj");
}

void TPDFObject::EndObject() {
    Owner.PutLine("endobj");
    Owner.PutLine("");
}

void TPDFObject::WriteStreamBody(const std::string& bytes) {
    Owner.PutLine("stream");
    Owner.Put(bytes);
    Owner.PutLine("endstream");
}

} // namespace pdf
