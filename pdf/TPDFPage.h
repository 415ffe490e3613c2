// One page of the document: its dictionary, its content stream and the graphics state last
// written into that stream, so unchanged state is not repeated.
#pragma once

#include "pdf/TPDFObject.h"
#include "pdf/TPDFPageContent.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace pdf {

class TPDFPage : public TPDFObject {
  public:
    explicit TPDFPage(TPDFDocument& owner);
    void WriteObject() override;

    std::unique_ptr<TPDFPageContent> Content;
    double PageWidth = 8.5; // inches
    double PageHeight = 11.0;

    int32_t TextColor = 0;
    int32_t PenColor = 0;
    int32_t BrushColor = 0xFFFFFF;

    // What the content stream last set; empty until written.
    std::optional<int32_t> LastTextColor;
    std::optional<int32_t> LastStrokeColor;
    std::optional<double> LastLineWidth;
    std::optional<int> LastPenStyle;
    std::optional<int32_t> LastFillColor;
};

} // namespace pdf
