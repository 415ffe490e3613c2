// Helpers shared by the PDF tests: drive a renderer without a page stream and compare its files.
#pragma once

#include "PdfReaders.h"
#include "pdf/TRenderPDF.h"

#include <gtest/gtest.h>

#include <string>

namespace pdftest {

// A renderer writing into memory, with a fixed clock (2026-12-06 07:08:09 UTC, TZ=UTC).
class TestRenderer {
  public:
    TestRenderer();
    pdf::TRenderPDF Render;
    TMemoryStream Output;

    // DocBegin and the first PageBegin on a page of the given size.
    void Begin(double width = 8.5, double height = 11.0);
    // A further page.
    void NewPage(double width = 8.5, double height = 11.0);
    // The content stream of the current page so far.
    const std::string& Content() const;
    // DocEnd; the whole file.
    std::string Finish();
};

// Whether File equals the golden file data/<Name>.pdf; scripts/update-pdf-goldens rewrites them.
::testing::AssertionResult MatchesGolden(const std::string& name, const std::string& file);

// A bitmap file image of Width x Height pixels filled with one colour.
TReportGraphic SolidBitmap(int width, int height, uint8_t r, uint8_t g, uint8_t b);

} // namespace pdftest
