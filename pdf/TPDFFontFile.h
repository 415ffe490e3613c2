// An embedded TrueType font program.
#pragma once

#include "pdf/TPDFObject.h"

namespace pdf {

class TPDFFontFile : public TPDFObject {
  public:
    using TPDFObject::TPDFObject;
    void WriteObject() override;

    std::string FontData;
};

} // namespace pdf
