// Base of every object of a PDF document: it knows its number and assembles its complete text,
// "N 0 obj" to the empty line after "endobj", in its own buffer.
#pragma once

#include <string>

namespace pdf {

class TRenderPDF;

class TPDFObject {
  public:
    explicit TPDFObject(TRenderPDF& owner);
    virtual ~TPDFObject();
    TPDFObject(const TPDFObject&) = delete;
    TPDFObject& operator=(const TPDFObject&) = delete;

    // Writes the object's complete text into Buffer, replacing what was there.
    virtual void WriteObject() = 0;

    TRenderPDF& Owner;
    int ObjectNumber = 0;
    std::string Buffer;

  protected:
    // Makes Buffer the owner's output and writes the "N 0 obj" line.
    void BeginObject();
    // Writes "endobj" and the empty line that ends every object.
    void EndObject();
    // Writes a stream's body: "stream", the bytes, "endstream" straight after the last byte.
    void WriteStreamBody(const std::string& bytes);
};

} // namespace pdf
