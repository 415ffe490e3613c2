// An image of the document, stored as a DCT-encoded DeviceRGB stream.
#pragma once

#include "pdf/TPDFObject.h"
#include "pdf/TPdfJpegImage.h"

namespace pdf {

class TPDFXObject : public TPDFObject {
  public:
    explicit TPDFXObject(TPDFDocument& owner);
    void WriteObject() override;

    std::string ImageData;
    std::string ImageName;
    TPdfJpegImage JPEGImage;
};

} // namespace pdf
