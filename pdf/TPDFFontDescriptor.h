// The metrics a reader needs to stand in for a TrueType font, in 1/1000 em.
#pragma once

#include "pdf/TPDFObject.h"

namespace pdf {

class TPDFFontDescriptor : public TPDFObject {
  public:
    using TPDFObject::TPDFObject;
    void WriteObject() override;

    std::string FontName;
    int Flags = 0;
    int FontBBoxLeft = 0, FontBBoxTop = 0, FontBBoxRight = 0, FontBBoxBottom = 0;
    int MissingWidth = 0;
    int StemV = 0;
    int StemH = 0;
    int ItalicAngle = 0;
    int CapHeight = 0;
    int XHeight = 0;
    int Ascent = 0;
    int Descent = 0;
    int Leading = 0;
    int MaxWidth = 0;
    int AvgWidth = 0;
    bool Embed = false;
};

} // namespace pdf
