// The page tree: one node holding every page of the document.
#pragma once

#include "pdf/TPDFObject.h"

namespace pdf {

class TPDFPages : public TPDFObject {
  public:
    using TPDFObject::TPDFObject;
    void WriteObject() override;
};

} // namespace pdf
