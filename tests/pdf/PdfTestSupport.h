// Helpers shared by the PDF tests: drive a renderer without a page stream and compare its files.
#pragma once

#include "PdfReaders.h"
#include "TestFiles.h"
#include "pdf/TRenderPDF.h"
#include "platform/RgbBitmap.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace pdftest {

// A renderer writing into memory, with a fixed clock (2026-12-06 07:08:09 UTC, TZ=UTC).
class TestRenderer {
  public:
    TestRenderer() {
        setenv("TZ", "UTC", 1);
        tzset();
        Render.Clock = [] { return std::time_t{1796540889}; };
        Render.SetOutputStream(&Output);
    }
    pdf::TRenderPDF Render;
    TMemoryStream Output;

    // DocBegin and the first PageBegin on a page of the given size.
    void Begin(double width = 8.5, double height = 11.0) {
        Render.DocBegin();
        Render.SetPageSize(width, height);
        Render.PageBegin();
    }
    // The content stream of the current page so far.
    const std::string& Content() const { return Render.CurrentPage->Content->ContentStream; }
    // DocEnd; the whole file.
    std::string Finish() {
        Render.PageEnd();
        Render.DocEnd();
        return std::string(Output.Bytes().begin(), Output.Bytes().end());
    }
};

// Whether File equals the golden file data/<Name>.pdf; scripts/update-pdf-goldens rewrites them.
inline ::testing::AssertionResult MatchesGolden(const std::string& name, const std::string& file) {
    return test::MatchesGoldenFile(file, std::string(PDF_TEST_DATA) + "/" + name + ".pdf");
}

// A bitmap file image of Width x Height pixels filled with one colour.
inline TReportGraphic SolidBitmap(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
    return {gtBitmap, platform::RgbBitmap(width, height, platform::Rgb{r, g, b}).EncodeBmp()};
}

} // namespace pdftest
