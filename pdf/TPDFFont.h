// A font resource of the document; as a plain TPDFFont it is one of the standard Type1 fonts,
// whose widths come from the built-in tables and are not written.
#pragma once

#include "pdf/StandardFontWidths.h"
#include "pdf/TPDFObject.h"

#include <string>
#include <string_view>

namespace pdf {

class TPDFFont : public TPDFObject {
  public:
    // Takes the resource name "F<n>" from the number of fonts the owner holds.
    explicit TPDFFont(TPDFDocument& owner);
    void WriteObject() override;

    std::string Subtype = "Type1";
    std::string ResourceName;
    std::string BaseFont;
    TFontWidths Widths{};

  protected:
    // The lines shared by both kinds of font, from "<<" to "/Encoding".
    void WriteFontHeader();
};

} // namespace pdf
