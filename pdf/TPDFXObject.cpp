#include "pdf/TPDFXObject.h"

#include "pdf/TPDFDocument.h"

namespace pdf {

TPDFXObject::TPDFXObject(TPDFDocument& owner) : TPDFObject(owner) {
    JPEGImage.Quality = 100;
}

void TPDFXObject::WriteObject() {
    JPEGImage.Quality = Owner.Options.ImageQuality;
    ImageData = JPEGImage.SaveToBytes();
    BeginObject();
    Owner.PutLine("<<");
    Owner.PutLine("/Type /XObject");
    Owner.PutLine("/Subtype /Image");
    Owner.PutLine("/Name /" + ImageName);
    Owner.PutLine("/Width " + std::to_string(JPEGImage.Width()) + " /Height " +
                  std::to_string(JPEGImage.Height()) + " ");
    Owner.PutLine("/BitsPerComponent 8");
    Owner.PutLine("/ColorSpace /DeviceRGB /Length " + std::to_string(ImageData.size()) +
                  " /Filter [/DCTDecode ]");
    Owner.PutLine(">>");
    WriteStreamBody(ImageData);
    EndObject();
}

} // namespace pdf
