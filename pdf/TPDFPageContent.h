// The content stream of one page: the drawing operators the renderer writes for it.
#pragma once

#include "pdf/TPDFObject.h"

namespace pdf {

class TPDFPageContent : public TPDFObject {
  public:
    // Starts the stream with "2 J" (projecting square line caps).
    explicit TPDFPageContent(TPDFDocument& owner);
    void WriteObject() override;

    std::string ContentStream;
};

} // namespace pdf
