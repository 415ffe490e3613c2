// Base of every object of a PDF document: it knows its number and writes its complete text,
// "N 0 obj" to the empty line after "endobj", into the output its document names.
#pragma once

#include <string>

namespace pdf {

class TPDFDocument;

class TPDFObject {
  public:
    explicit TPDFObject(TPDFDocument& owner);
    virtual ~TPDFObject();
    TPDFObject(const TPDFObject&) = delete;
    TPDFObject& operator=(const TPDFObject&) = delete;

    // Writes the object's complete text through the owner's Put and PutLine.
    virtual void WriteObject() = 0;

    TPDFDocument& Owner;
    int ObjectNumber = 0;

  protected:
    // Writes the "N 0 obj" line.
    void BeginObject();
    // Writes "endobj" and the empty line that ends every object.
    void EndObject();
    // Writes a stream's body: "stream", the bytes, "endstream" straight after the last byte.
    void WriteStreamBody(const std::string& bytes);
};

} // namespace pdf
