// A TrueType font resource: widths for the codes the font defines, a descriptor, and the font
// program when it is embedded.
#pragma once

#include "pdf/TPDFFont.h"
#include "pdf/TPDFFontDescriptor.h"
#include "pdf/TPDFFontFile.h"

#include <memory>

namespace pdf {

class TPDFFontTrueType : public TPDFFont {
  public:
    explicit TPDFFontTrueType(TPDFDocument& owner);
    void WriteObject() override;

    std::unique_ptr<TPDFFontDescriptor> Descriptor;
    std::unique_ptr<TPDFFontFile> FontFile; // only when embedded
    int FirstChar = 0;
    int LastChar = 0;
    bool Embeddable = false;
};

} // namespace pdf
