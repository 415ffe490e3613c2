// The outline root; the renderer writes no outline entries.
#pragma once

#include "pdf/TPDFObject.h"

namespace pdf {

class TPDFOutlines : public TPDFObject {
  public:
    using TPDFObject::TPDFObject;
    void WriteObject() override;
};

} // namespace pdf
