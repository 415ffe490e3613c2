// The document catalog: the root object, pointing at the outlines and the page tree.
#pragma once

#include "pdf/TPDFObject.h"

namespace pdf {

class TPDFCatalog : public TPDFObject {
  public:
    using TPDFObject::TPDFObject;
    void WriteObject() override;
};

} // namespace pdf
