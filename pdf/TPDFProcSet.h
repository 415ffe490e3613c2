// The procedure-set array that every page names in its resources.
#pragma once

#include "pdf/TPDFObject.h"

namespace pdf {

class TPDFProcSet : public TPDFObject {
  public:
    using TPDFObject::TPDFObject;
    void WriteObject() override;
};

} // namespace pdf
